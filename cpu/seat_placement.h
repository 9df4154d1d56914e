#pragma once
// Where a seat stands by score.
#include "engine/state/table_state.h"

namespace mj::cpu {

// 1 + the number of seats with a strictly higher score: equal scores share
// the better place.
int SeatPlacement(const TableState& state, int seat);

}  // namespace mj::cpu
