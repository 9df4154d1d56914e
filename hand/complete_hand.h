#pragma once
// Is the seat's hand in positions 1-14, with its melds, a winning shape?
#include "engine/state/table_state.h"

namespace mj::hand {

// 国士無双, seven pairs (closed hands only) or four sets and a pair. A pure
// test: the chosen decomposition in the table state is left alone.
bool IsCompleteHand(const TableState& state, int seat);

}  // namespace mj::hand
