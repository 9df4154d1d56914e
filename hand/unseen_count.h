#pragma once
// How many copies of a kind a seat cannot see.
#include "engine/state/table_state.h"

namespace mj::hand {

// 4 minus the copies the seat sees: its own hand when ownHandVisible, every
// seat's melds and river, and the flipped dora indicators. Called tiles are
// counted both in the meld and in the river they came from, so the result
// may drop below 0; callers read anything below 1 as none left.
int UnseenCount(const TableState& state, int seat, TileCode kind, bool ownHandVisible);

}  // namespace mj::hand
