#pragma once
// What must hold after every step of a game. Simulations and multi-step
// tests check it after each tick.
#include <string>

#include "engine/state/table_state.h"

namespace mj::engine {

// Empty when everything holds; otherwise what broke. startingTotal is the
// four starting scores together: scores plus riichi sticks keep it.
std::string CheckTableInvariants(const TableState& state, Money startingTotal);

}  // namespace mj::engine
