#pragma once
#include "engine/state/table_state.h"

namespace mj::engine {

// Rewrites positions 1-13 of every seat: sorted (rule 52 理牌, or forced for
// the end-of-hand display) with a red five just before its ordinary five and
// empty positions first; otherwise only the empty positions move to the
// front. Position 14 is never touched.
void ArrangeHand(TableState& state, bool forceSort);
void ArrangeSeat(TableState& state, int seat, bool forceSort);

}  // namespace mj::engine
