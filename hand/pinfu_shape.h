#pragma once
// The shape behind 平和: positions 1-13 hold the hand, 14 the winning tile.
#include "engine/state/table_state.h"

namespace mj::hand {

// Four sequences and a pair that is not a value pair, the winning tile
// completing a two-sided wait (never an edge or a closed wait, never the
// pair).
bool IsPinfuShape(const TableState& state, int seat);

}  // namespace mj::hand
