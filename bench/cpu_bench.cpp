// The latency of single CPU decisions on positions taken from self-played
// games (median, 99th percentile and worst case as counters), and whole games
// of self-play.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <vector>

#include "common/clock.h"
#include "common/headless_dialogs.h"
#include "common/random_source.h"
#include "cpu/call_decision.h"
#include "cpu/cpu_discard.h"
#include "engine/call_options.h"
#include "engine/cpu_seat.h"
#include "engine/headless_ports.h"
#include "engine/sound_effects.h"
#include "engine/state/memory_records.h"
#include "engine/table.h"
#include "hand/win_check.h"
#include "hand/win_evaluation.h"

namespace {

using mj::TableState;

struct Position {
  TableState state;
  int seat = 0;
};

struct Positions {
  std::vector<Position> discards;      // a CPU about to choose its discard (not in riichi)
  std::vector<Position> calls;         // a CPU with an option on the tile on offer
  std::vector<Position> afterDiscard;  // a discard just reached the river; seat = the discarder
};

// Copies the table at each decision, then lets the CPU decide.
class RecordingSeat final : public mj::engine::SeatController {
 public:
  RecordingSeat(mj::engine::SeatController& inner, Positions& positions) : inner_(inner), positions_(positions) {}
  int Respond(TableState& s, int seat) override {
    positions_.calls.push_back({s, seat});
    return inner_.Respond(s, seat);
  }
  std::optional<mj::engine::DiscardChoice> ChooseDiscard(TableState& s, int seat) override {
    if (!s.InRiichi(seat)) positions_.discards.push_back({s, seat});
    return inner_.ChooseDiscard(s, seat);
  }

 private:
  mj::engine::SeatController& inner_;
  Positions& positions_;
};

// The discard sound plays once the tile is in the river, before the other
// seats are asked.
class RecordingSounds final : public mj::engine::Sounds {
 public:
  explicit RecordingSounds(Positions& positions) : positions_(positions) {}
  void Play(int effect) override {
    if (effect == mj::engine::kSoundDiscard && state != nullptr)
      positions_.afterDiscard.push_back({*state, state->currentSeat});
  }
  const TableState* state = nullptr;

 private:
  Positions& positions_;
};

// One whole game of four CPUs; the number of hands played.
int PlayGame(std::uint32_t seed, mj::engine::Sounds* sounds, Positions* positions) {
  mj::SeededRandom random(seed);
  mj::SystemClock clock;
  mj::engine::NullView view;
  mj::engine::ManualTimers timers;
  mj::engine::SilentSounds silent;
  mj::HeadlessDialogs dialogs;
  mj::MemoryRecords records;
  mj::hand::StandardWinEvaluator evaluator;
  mj::engine::Table table(
      {view, timers, sounds != nullptr ? *sounds : silent, dialogs, random, clock, records, evaluator}, {});
  mj::engine::CpuSeat cpu(random);
  std::optional<RecordingSeat> recorder;
  if (positions != nullptr) recorder.emplace(cpu, *positions);
  for (int seat = 1; seat <= mj::kSeats; ++seat) {
    mj::Player& p = table.State().players[static_cast<std::size_t>(seat)];
    p.userCode = static_cast<std::int16_t>(1000 + seat);
    p.isCpu = true;
    table.SetSeatController(seat, recorder ? static_cast<mj::engine::SeatController&>(*recorder) : cpu);
  }
  if (auto* recording = dynamic_cast<RecordingSounds*>(sounds)) recording->state = &table.State();
  table.OpenTable();
  int hands = 0;
  int lastHand = -1;
  for (int step = 0; step < 200000 && !table.IsGameOver(); ++step) {
    if (timers.turnIntervalMs > 0) {
      table.OnTurnTimer();
    } else if (timers.responseRunning) {
      table.OnResponseTimer();
    } else {
      break;
    }
    const int handKey = table.State().handNumber * 1000 + table.State().honba;
    if (handKey != lastHand) {
      lastHand = handKey;
      ++hands;
    }
  }
  return hands;
}

const Positions& SamplePositions() {
  static const Positions positions = [] {
    Positions p;
    RecordingSounds sounds(p);
    for (std::uint32_t seed = 1; p.discards.size() < 5000; ++seed) PlayGame(seed, &sounds, &p);
    return p;
  }();
  return positions;
}

// Times run (not prepare) once per iteration, cycling through the positions.
// On a shared machine the worst single time is the scheduler's; the slowest
// position, taken at its best time over its repeats, is the decision's own.
template <class Prepare, class Run>
void MeasureEach(benchmark::State& st, const std::vector<Position>& positions, Prepare prepare, Run run) {
  using Clock = std::chrono::steady_clock;
  std::vector<double> micros;
  micros.reserve(static_cast<std::size_t>(st.max_iterations));
  std::vector<double> bestPerPosition(positions.size(), 1e30);
  TableState work;
  std::size_t i = 0;
  for (auto _ : st) {
    const std::size_t index = i++ % positions.size();
    const Position& p = positions[index];
    prepare(work, p);
    const auto start = Clock::now();
    run(work, p.seat);
    const auto stop = Clock::now();
    const double seconds = std::chrono::duration<double>(stop - start).count();
    st.SetIterationTime(seconds);
    micros.push_back(seconds * 1e6);
    bestPerPosition[index] = std::min(bestPerPosition[index], seconds * 1e6);
  }
  double slowestPosition = 0;
  for (double best : bestPerPosition) {
    if (best < 1e30) slowestPosition = std::max(slowestPosition, best);
  }
  std::sort(micros.begin(), micros.end());
  auto at = [&](double q) { return micros[static_cast<std::size_t>(q * static_cast<double>(micros.size() - 1))]; };
  st.counters["median_us"] = at(0.5);
  st.counters["p99_us"] = at(0.99);
  st.counters["max_us"] = micros.back();
  st.counters["slowest_position_us"] = slowestPosition;
  st.counters["positions"] = static_cast<double>(positions.size());
}

void Restore(TableState& work, const Position& p) { work = p.state; }

void BM_CpuDiscardDecision(benchmark::State& st) {
  mj::SeededRandom random(7);
  MeasureEach(st, SamplePositions().discards, Restore,
              [&](TableState& s, int seat) { benchmark::DoNotOptimize(mj::cpu::DecideCpuDiscard(s, seat, random)); });
}
BENCHMARK(BM_CpuDiscardDecision)->UseManualTime()->Iterations(50000);

void BM_CpuCallDecision(benchmark::State& st) {
  MeasureEach(st, SamplePositions().calls, Restore,
              [](TableState& s, int seat) { benchmark::DoNotOptimize(mj::cpu::DecideCall(s, seat)); });
}
BENCHMARK(BM_CpuCallDecision)->UseManualTime()->Iterations(50000);

// What the table does for the other three seats after a discard: their call
// options, the ron check, and the CPU answers of the seats that have one.
void BM_ChecksAfterDiscard(benchmark::State& st) {
  mj::hand::StandardWinEvaluator evaluator;
  MeasureEach(st, SamplePositions().afterDiscard, Restore, [&](TableState& s, int discarder) {
    const auto d = static_cast<std::size_t>(discarder);
    const mj::TileCode tile = s.riverTiles[d][static_cast<std::size_t>(s.riverCount[d])];
    for (int other = mj::NextSeat(discarder); other != discarder; other = mj::NextSeat(other)) {
      mj::engine::FindCallOptions(s, other, tile, other == mj::NextSeat(discarder));
    }
    mj::hand::CheckWins(s, mj::hand::kCheckRon, evaluator);
    for (int seat = 1; seat <= mj::kSeats; ++seat) {
      const auto i = static_cast<std::size_t>(seat);
      if (s.mayChi[i] || s.mayPon[i] || s.mayKan[i] || s.canRon[i])
        benchmark::DoNotOptimize(mj::cpu::DecideCall(s, seat));
    }
  });
}
BENCHMARK(BM_ChecksAfterDiscard)->UseManualTime()->Iterations(50000);

// Whole 東南戦 games under the default rules, four CPUs.
void BM_SelfPlayGame(benchmark::State& st) {
  std::uint32_t seed = 1;
  long long hands = 0;
  for (auto _ : st) hands += PlayGame(seed++, nullptr, nullptr);
  st.counters["hands_per_s"] = benchmark::Counter(static_cast<double>(hands), benchmark::Counter::kIsRate);
  st.counters["hands_per_game"] = static_cast<double>(hands) / static_cast<double>(st.iterations());
}
BENCHMARK(BM_SelfPlayGame)->Unit(benchmark::kMillisecond);

}  // namespace
