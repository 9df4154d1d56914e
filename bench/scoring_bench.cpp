// A full evaluation and score of a complete hand, as a win is settled:
// EvaluateWin (which runs ComputeFu for a valid win) and ScoreHand, over a
// mixed set of hands. Heap allocations inside the loop are counted.
#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdlib>
#include <new>
#include <vector>

#include "hand/fu.h"
#include "hand/scoring.h"
#include "hand/win_evaluation.h"
#include "hand/win_setup.h"
#include "tests/support/tile_notation.h"

namespace {

std::atomic<long> allocations{0};

}  // namespace

// Out of line, so the compiler does not pair the inlined malloc with a sized delete.
__attribute__((noinline)) void* operator new(std::size_t size) {
  allocations.fetch_add(1, std::memory_order_relaxed);
  if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
  throw std::bad_alloc();
}
__attribute__((noinline)) void operator delete(void* p) noexcept { std::free(p); }
__attribute__((noinline)) void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace {

using namespace mj;
using namespace mj::hand;

struct BenchHand {
  const char* hand;  // the winning tile last
  const char* melds;
  bool tsumo;
  bool riichi;
  const char* dora;
};

// Closed and open, ron and tsumo, sequences and triplets, seven pairs,
// limit hands and yakuman.
constexpr BenchHand kHands[] = {
    {"234m567p345s11p67s8s", "", false, true, "9p"},      // riichi pinfu dora
    {"22334m456p789s55s4m", "", true, false, "1m"},       // iipeikou tsumo
    {"123m123p456m99p12s3s", "", false, false, ""},       // sanshoku, edge wait
    {"123456789m456s1p1p", "", true, true, "3s"},         // ittsu
    {"123m456m789m5m5m", "p111z", false, false, "4m"},    // open honitsu ittsu
    {"111m222p555m4s4s", "p777s", false, false, ""},      // toitoi sanankou
    {"111m222p555m44s77s7s", "", false, false, ""},       // shanpon ron
    {"234m56m555666z77z7m", "", false, false, ""},        // shousangen
    {"123m789p111z99s78s9s", "", false, true, "8p"},      // chanta
    {"222345456678m9m9m", "", true, false, ""},           // chinitsu
    {"223344m667788p5s5s", "", false, true, "4s"},        // ryanpeikou
    {"1199m3355p77s11z5z5z", "", true, true, "6z"},       // seven pairs
    {"19m19p19s1234567z1m", "", false, false, ""},        // kokushi
    {"23m44p555666777z1m", "", false, false, ""},         // daisangen
    {"567p345s55s23m4m", "a9999m", true, false, "8m"},    // closed kan
    {"567p345s22p67s8s", "c234m", false, false, "2p"},    // open, no yaku
};

std::vector<TableState> Tables(bool localYaku = false) {
  std::vector<TableState> tables;
  for (const BenchHand& h : kHands) {
    WinSituation w;
    w.hand = test::Tiles(h.hand);
    w.winningTile = w.hand.back();
    std::string melds = h.melds;
    if (!melds.empty()) {
      MeldSpec meld;
      meld.type = melds[0] == 'p' ? MeldType::Pon : melds[0] == 'c' ? MeldType::Chi : MeldType::ClosedKan;
      meld.tiles = test::Tiles(melds.substr(1));
      w.melds.push_back(meld);
    }
    w.tsumo = h.tsumo;
    w.riichi = h.riichi;
    if (*h.dora != '\0') w.doraIndicators = test::Tiles(h.dora);
    TableState& table = tables.emplace_back();
    for (int code = kFirstLocalYaku; code <= kLastLocalYaku; ++code) table.rules.SetLocalYaku(code, localYaku ? 1 : 0);
    if (!SetUpWin(table, w).ok()) std::abort();
  }
  return tables;
}

void BM_EvaluateAndScore(benchmark::State& bench) {
  std::vector<TableState> tables = Tables();
  std::size_t i = 0;
  long allocationsBefore = allocations.load();
  for (auto _ : bench) {
    TableState& table = tables[i];
    const int kind = table.currentSeat == 1 ? kTsumoWin : kRonWin;
    const bool valid = EvaluateWin(table, 1, kind);
    if (valid) ScoreHand(table, 1);
    benchmark::DoNotOptimize(table.handPoints);
    i = i + 1 == tables.size() ? 0 : i + 1;
  }
  bench.counters["allocs_per_hand"] =
      benchmark::Counter(static_cast<double>(allocations.load() - allocationsBefore), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_EvaluateAndScore);

// The same without the score: the win evaluation alone (ComputeFu included),
// with every local yaku off and with all of them on.
void BM_EvaluateWin(benchmark::State& bench) {
  std::vector<TableState> tables = Tables(bench.range(0) != 0);
  std::size_t i = 0;
  for (auto _ : bench) {
    TableState& table = tables[i];
    benchmark::DoNotOptimize(EvaluateWin(table, 1, table.currentSeat == 1 ? kTsumoWin : kRonWin));
    i = i + 1 == tables.size() ? 0 : i + 1;
  }
}
BENCHMARK(BM_EvaluateWin)->ArgName("local_yaku")->Arg(0)->Arg(1);

void BM_ScoreHand(benchmark::State& bench) {
  std::vector<TableState> tables = Tables();
  for (TableState& table : tables) {
    EvaluateWin(table, 1, table.currentSeat == 1 ? kTsumoWin : kRonWin);
    ComputeFu(table, 1, table.currentSeat == 1 ? kTsumoWin : kRonWin);
  }
  std::size_t i = 0;
  for (auto _ : bench) {
    ScoreHand(tables[i], 1);
    benchmark::DoNotOptimize(tables[i].handPoints);
    i = i + 1 == tables.size() ? 0 : i + 1;
  }
}
BENCHMARK(BM_ScoreHand);

}  // namespace
