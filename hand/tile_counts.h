#pragma once
// Counting a seat's tiles by kind. A kan counts 3, like a pon, so a hand with
// kans still reads as fourteen tiles in shape terms.
#include "engine/state/table_state.h"

namespace mj::hand {

// tileCounts: hand positions 1-14 plus every meld (chi tiles one each, pons
// and both kinds of kan 3 each); red fives fold to their kind.
TileCounts BuildTileCounts(const TableState& state, int seat);

// Hand positions first..last only (1-14 for a whole hand, 1-13 with the
// drawn position set aside).
TileCounts ConcealedCounts(const TableState& state, int seat, int first = 1, int last = kHandPositions);

// The number of the seat's chis, pons, open kans and closed kans.
int MeldCount(const TableState& state, int seat);

// Adds what the seat's melds contribute to tileCounts.
void AddMeldCounts(const TableState& state, int seat, TileCounts& counts);

int TotalTiles(const TileCounts& counts);

}  // namespace mj::hand
