#pragma once
// The hand positions a CPU's chi or kan takes, as a LAN host announces them
// with its answers.
#include <array>

#include "engine/state/table_state.h"

namespace mj::cpu {

struct CallPositions {
  std::array<int, 3> chi{};  // 1-2: the positions of chi option 1's two hand tiles
  std::array<int, 5> kan{};  // 1-4: every position holding the kind of kan option 1
  int kanCount = 0;
};

// answer 1 fills chi, 3 fills kan; any other answer leaves both empty.
CallPositions CallMessagePositions(const TableState& state, int seat, int answer);

}  // namespace mj::cpu
