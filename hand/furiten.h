#pragma once
// Furiten of a seat that wants to win on the tile in its position 14.
#include "engine/state/table_state.h"

namespace mj::hand {

// True when the seat may not win on the tile: a missed win since its last
// draw, or its own river holding a winning kind (or, with rule 23 on and for
// the thirteen-sided 国士無双 under rule 28 = 0, the very kind won on). A
// furiten seat's yaku list becomes the single code 199.
bool CheckFuriten(TableState& state, int seat);

}  // namespace mj::hand
