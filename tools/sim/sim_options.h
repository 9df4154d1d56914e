#pragma once
// The command line of tsubakiya-sim.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "common/result.h"
#include "engine/state/seat_helpers.h"
#include "engine/wall_message.h"
#include "rules/rule_set.h"

namespace mj::sim {

struct SimOptions {
  bool deal = false;  // print the dealt table of one hand and stop
  int games = 1;
  std::uint32_t seed = 1;
  RuleSet rules = RuleSet::Defaults();
  std::string dataPath;  // a data file to keep the records in; empty = memory
  std::optional<engine::WallMessage> wall;  // the first hand of the first game
  std::string handsLog;  // one JSON line per settled hand
  PerSeat<bool> tsumogiriSeats{};  // these seats play passively (as under rule 56); the others are CPUs
  std::string record;    // the game record file; its .json sibling gets the tenhou.net/6 logs
  bool humanBot = false;  // seat 1 is played through the human's engine calls
};

extern const char* const kUsage;

// Every error names the argument at fault.
Result<SimOptions> ParseSimOptions(const std::vector<std::string>& args);

}  // namespace mj::sim
