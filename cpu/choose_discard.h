#pragma once
// The CPU's choice of discard: a hand plan with its own order, the rated
// choice without one, and defence when another seat threatens.
#include "common/random_source.h"
#include "engine/state/table_state.h"

namespace mj::cpu {

// The hand position (1-14) to discard. preferredPosition is 0 or a position
// that keeps the hand ready; the one-suit and pair-hand plans fall back on
// it. Writes only the seat's handPlan.
int ChooseDiscard(TableState& state, int seat, int preferredPosition, RandomSource& random);

// The position a chosen kind leaves from: while red fives are in play the
// plain five before a red one; otherwise the first position of the kind.
int PositionOfKind(const TableState& state, int seat, TileCode kind);

}  // namespace mj::cpu
