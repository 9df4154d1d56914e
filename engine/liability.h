#pragma once
// Liability (包) for a yakuman: the seat that fed the set which made it possible pays.
#include "engine/state/table_state.h"

namespace mj::engine {

// Rule 25: marks the discarder (currentSeat) liable for the caller's yakuman
// when the call takes the third dragon set (tile: the called kind) or makes
// the fourth meld (tile 0 for a chi, which only counts melds). Runs before
// the new meld's tiles reach meldTiles. A seat is never liable to itself.
void MarkLiability(TableState& state, int caller, TileCode tile);

// Whether seat pays for caller's yakuman.
bool IsLiableFor(const TableState& state, int caller, int seat);

}  // namespace mj::engine
