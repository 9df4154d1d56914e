// Hand reading on the hot paths: the completeness test, the wait scan and
// the full win check on a table, with the real yaku evaluation behind it.
#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdlib>
#include <new>
#include <vector>

#include "hand/complete_hand.h"
#include "hand/decomposition.h"
#include "hand/hand_shape.h"
#include "hand/suit_table.h"
#include "hand/waits.h"
#include "hand/win_evaluation.h"
#include "hand/win_check.h"
#include "tests/hand/random_hands.h"

// Every allocation of the program is counted, so each benchmark can show
// how many its measured loop made.
std::atomic<long> allocations{0};

// Kept out of line: inlined, the compiler would see malloc() and free() meet
// new and delete and warn.
[[gnu::noinline]] void* operator new(std::size_t size) {
  ++allocations;
  if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
  throw std::bad_alloc();
}
[[gnu::noinline]] void operator delete(void* p) noexcept { std::free(p); }
[[gnu::noinline]] void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace {

using namespace mj;
using namespace mj::hand;

constexpr int kPoolSize = 4096;

// Reports the allocations of the measured loop per iteration (0 on the hot
// paths); call once when the loop is done.
class AllocationCounter {
 public:
  explicit AllocationCounter(benchmark::State& state) : state_(state), start_(allocations.load()) {}
  ~AllocationCounter() {
    state_.counters["allocs/iter"] =
        benchmark::Counter(static_cast<double>(allocations.load() - start_), benchmark::Counter::kAvgIterations);
  }
  AllocationCounter(const AllocationCounter&) = delete;
  AllocationCounter& operator=(const AllocationCounter&) = delete;

 private:
  benchmark::State& state_;
  long start_;
};

// One seat's hand and melds.
struct SeatHand {
  HandRow hand{};
  std::array<TileCode, 13> chi{};
  KindSlots pons{}, openKans{}, closedKans{};
  bool hasCalled = false;
};

// The fixed-seed mix: random, one-suit, waiting or complete, and hands with
// melds.
std::vector<SeatHand> Pool(int tiles) {
  reference::HandMaker maker(12345);
  std::vector<SeatHand> pool;
  for (int i = 0; i < kPoolSize; ++i) {
    const TableState s = maker.Make(i % reference::HandMaker::kStyles, tiles);
    pool.push_back({s.handTiles[1], s.chiTiles[1], s.ponKinds[1], s.openKanKinds[1], s.closedKanKinds[1], s.hasCalled[1]});
  }
  return pool;
}

// Only the seat's rows change per iteration, as they would in a game; the
// rest of the table stays put.
void LoadSeat(TableState& table, const SeatHand& from, int seat = 1) {
  const auto s = static_cast<std::size_t>(seat);
  table.handTiles[s] = from.hand;
  table.chiTiles[s] = from.chi;
  table.ponKinds[s] = from.pons;
  table.openKanKinds[s] = from.openKans;
  table.closedKanKinds[s] = from.closedKans;
  table.hasCalled[s] = from.hasCalled;
}

std::vector<HandShape> Shapes(const std::vector<SeatHand>& pool, bool waitShape) {
  std::vector<HandShape> shapes;
  TableState table;
  for (const SeatHand& s : pool) {
    LoadSeat(table, s);
    shapes.push_back(waitShape ? WaitShapeOf(table, 1) : HandShapeOf(table, 1));
  }
  return shapes;
}

// Registered first so that it sees the tables unbuilt.
void BM_PrepareSuitTables(benchmark::State& state) {
  for (auto _ : state) PrepareSuitTables();
}
BENCHMARK(BM_PrepareSuitTables)->Iterations(1)->Unit(benchmark::kMillisecond);

// Reads seat 1 of a table loaded with each hand of the pool in turn.
template <class Read>
void OverTables(benchmark::State& state, const std::vector<SeatHand>& pool, Read read) {
  TableState table;
  std::size_t i = 0;
  const AllocationCounter counter(state);
  for (auto _ : state) {
    LoadSeat(table, pool[i++ % pool.size()]);
    benchmark::DoNotOptimize(read(table));
  }
}

template <class Read>
void OverShapes(benchmark::State& state, const std::vector<HandShape>& shapes, Read read) {
  std::size_t i = 0;
  const AllocationCounter counter(state);
  for (auto _ : state) benchmark::DoNotOptimize(read(shapes[i++ % shapes.size()]));
}

void BM_IsCompleteHand(benchmark::State& state) {
  OverTables(state, Pool(14), [](const TableState& t) { return IsCompleteHand(t, 1); });
}
BENCHMARK(BM_IsCompleteHand);

void BM_IsCompleteShape(benchmark::State& state) {
  OverShapes(state, Shapes(Pool(14), false), [](const HandShape& s) { return IsCompleteShape(s); });
}
BENCHMARK(BM_IsCompleteShape);

void BM_WaitingKinds(benchmark::State& state) {
  OverTables(state, Pool(13), [](const TableState& t) { return WaitingKinds(t, 1); });
}
BENCHMARK(BM_WaitingKinds);

void BM_WaitingKindsOfShape(benchmark::State& state) {
  OverShapes(state, Shapes(Pool(13), true), [](const HandShape& s) { return WaitingKindsOf(s); });
}
BENCHMARK(BM_WaitingKindsOfShape);

// The split scoring reads, on complete hands only.
void BM_DecomposeForScoring(benchmark::State& state) {
  std::vector<SeatHand> pool = Pool(14);
  TableState table;
  std::erase_if(pool, [&table](const SeatHand& s) {
    LoadSeat(table, s);
    return !IsCompleteHand(table, 1);
  });
  OverTables(state, pool, [](TableState& t) { return DecomposeForScoring(t, 1); });
}
BENCHMARK(BM_DecomposeForScoring);

// A discard on offer to three seats whose hands come from the pool. With
// onAWait the discard completes the first seat's hand whenever it waits.
struct Offer {
  std::array<SeatHand, 3> seats;
  TileCode discard = 0;
};

std::vector<Offer> Offers(bool onAWait) {
  const std::vector<SeatHand> pool = Pool(13);
  TableState table;
  std::vector<Offer> offers;
  for (std::size_t i = 0; i + 3 <= pool.size(); i += 3) {
    Offer offer{{pool[i], pool[i + 1], pool[i + 2]}, static_cast<TileCode>(1 + i % kKindCount)};
    LoadSeat(table, offer.seats[0]);
    const KindList waits = WaitingKinds(table, 1);
    if (onAWait && !waits.empty()) offer.discard = waits[0];
    offers.push_back(offer);
  }
  return offers;
}

void RonOnOffer(benchmark::State& state, bool onAWait) {
  const std::vector<Offer> offers = Offers(onAWait);
  TableState table;
  StandardWinEvaluator evaluator;
  table.currentSeat = 1;
  table.riverCount[1] = 1;
  std::size_t i = 0;
  const AllocationCounter counter(state);
  for (auto _ : state) {
    const Offer& offer = offers[i++ % offers.size()];
    for (int seat = 2; seat <= 4; ++seat) {
      const SeatHand& hand = offer.seats[static_cast<std::size_t>(seat - 2)];
      LoadSeat(table, hand, seat);
      table.riverTiles[static_cast<std::size_t>(seat)][1] = hand.hand[1];
      table.riverCount[static_cast<std::size_t>(seat)] = 1;
    }
    table.riverTiles[1][1] = offer.discard;
    benchmark::DoNotOptimize(CheckWins(table, kCheckRon, evaluator));
  }
}

void BM_CheckWinsRon(benchmark::State& state) { RonOnOffer(state, false); }
BENCHMARK(BM_CheckWinsRon);

void BM_CheckWinsRonOnAWait(benchmark::State& state) { RonOnOffer(state, true); }
BENCHMARK(BM_CheckWinsRonOnAWait);

void BM_CheckWinsTsumo(benchmark::State& state) {
  StandardWinEvaluator evaluator;
  OverTables(state, Pool(14), [&evaluator](TableState& t) {
    t.currentSeat = 1;
    return CheckWins(t, kCheckTsumo, evaluator);
  });
}
BENCHMARK(BM_CheckWinsTsumo);

}  // namespace
