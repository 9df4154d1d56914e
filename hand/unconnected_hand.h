#pragma once
// The shape of the first-draw local yakuman: fourteen tiles none of which
// can join another in a set.
#include "engine/state/table_state.h"

namespace mj::hand {

// Positions 1-14 hold no kind more than twice, no two suit tiles of one suit
// within two numbers of each other (a pair's two tiles do not count against
// each other), and exactly one kind twice when wantPair, none otherwise.
// Honours are never too close.
bool IsUnconnectedHand(const TableState& state, int seat, bool wantPair);

}  // namespace mj::hand
