#pragma once
// Whole games of four CPU seats, played through the same engine the window
// drives, with no real time passing and the table invariants checked after
// every step.
#include <cstdint>
#include <ostream>
#include <string>

#include <nlohmann/json.hpp>

#include "engine/state/seat_helpers.h"
#include "tools/sim/human_bot.h"
#include "tools/sim/sim_options.h"

namespace mj::sim {

struct SeatTotals {
  int wins = 0;
  int dealIns = 0;
  int riichiHands = 0;
  int callHands = 0;
  long long placementSum = 0;
  double finalPointsSum = 0;
  double winPointsSum = 0;  // what the seat's wins brought it
};

struct SimSummary {
  int games = 0;
  int hands = 0;
  int ron = 0;
  int tsumo = 0;
  int draws = 0;
  int aborts = 0;
  int chombo = 0;
  PerSeat<SeatTotals> seats{};
  int invariantViolations = 0;
  std::string violation;  // seed, game and step of the first violation
  double elapsedSeconds = 0;
  std::uint64_t digest = 0;
  HumanBotCounts humanBot;  // what seat 1 did under --human-bot
};

// Plays options.games games; game g (from 0) runs on seed options.seed + g.
// A violated invariant stops the run and is described in the summary.
SimSummary RunSimulation(const SimOptions& options, std::ostream* handsLog);

nlohmann::ordered_json SummaryJson(const SimSummary& summary);

}  // namespace mj::sim
