// tsubakiya-sim: plays the table headless from a seed.
#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "common/clock.h"
#include "common/headless_dialogs.h"
#include "common/random_source.h"
#include "engine/headless_ports.h"
#include "engine/state/memory_records.h"
#include "engine/table.h"
#include "engine/table_dump.h"
#include "hand/win_evaluation.h"
#include "tools/sim/sim_options.h"
#include "tools/sim/sim_run.h"

namespace {

int PrintDeal(const mj::sim::SimOptions& options) {
  mj::SeededRandom random(options.seed);
  mj::SystemClock clock;
  mj::engine::NullView view;
  mj::engine::ManualTimers timers;
  mj::engine::SilentSounds sounds;
  mj::HeadlessDialogs dialogs(true, true);
  mj::MemoryRecords records;
  mj::hand::StandardWinEvaluator evaluator;
  mj::engine::Table table({view, timers, sounds, dialogs, random, clock, records, evaluator}, {});
  mj::TableState& state = table.State();
  state.rules = options.rules;
  state.dealerSeat = state.firstDealerSeat = static_cast<std::int16_t>(random.RandomBetween(1, 4));
  if (options.wall) table.SetNextWall(*options.wall);
  const mj::Status started = table.StartHand();
  if (!started.ok()) {
    std::fprintf(stderr, "%s\n", started.message().c_str());
    return 1;
  }
  std::printf("seed %u\n%s", options.seed, mj::engine::DealtTableText(state).c_str());
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  const mj::Result<mj::sim::SimOptions> options = mj::sim::ParseSimOptions(args);
  if (!options.ok()) {
    std::fprintf(stderr, "tsubakiya-sim: %s\n%s", options.status().message().c_str(), mj::sim::kUsage);
    return 2;
  }
  if (options->deal) return PrintDeal(*options);

  std::ofstream handsLog;
  if (!options->handsLog.empty()) {
    handsLog.open(options->handsLog, std::ios::trunc);
    if (!handsLog) {
      std::fprintf(stderr, "tsubakiya-sim: cannot write %s\n", options->handsLog.c_str());
      return 2;
    }
  }
  const mj::sim::SimSummary summary = mj::sim::RunSimulation(*options, handsLog.is_open() ? &handsLog : nullptr);
  std::cout << mj::sim::SummaryJson(summary).dump() << std::endl;
  if (summary.invariantViolations > 0) {
    std::fprintf(stderr, "tsubakiya-sim: invariant violated at %s\n", summary.violation.c_str());
    return 1;
  }
  return 0;
}
