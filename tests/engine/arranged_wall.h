#pragma once
// Walls written for a test: the deal gives each seat the hand asked for, the
// live wall then yields each seat's draws in turn, and every other tile of
// the set fills the rest.
#include <array>
#include <string>

#include "engine/wall_message.h"

namespace mj::engine::test {

struct WallPlan {
  int dealer = 1;
  int breakPos = 1;
  std::array<std::string, 5> hands;  // seats 1-4: 13 tiles each, in notation; empty = any
  std::array<std::string, 5> draws;  // seats 1-4: their live draws in order
  std::string doraIndicator;         // the first indicator; empty = any
};

// Fails the test (and returns an empty wall) when the plan asks for more
// copies of a tile than the set holds.
WallMessage ArrangedWall(const WallPlan& plan);

}  // namespace mj::engine::test
