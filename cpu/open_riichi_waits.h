#pragma once
// A seat in open riichi shows its hand: never feed it a winning tile while
// another tile will do.
#include "common/random_source.h"
#include "engine/state/table_state.h"

namespace mj::cpu {

// Some seat other than this one is in open riichi.
bool OtherSeatInOpenRiichi(const TableState& state, int seat);

// The position to discard instead of p: for each other seat in open riichi
// whose hand p would complete, a tile that completes none of its waits (the
// last such seat decides); p when no tile is safe.
int AvoidOpenRiichiWaits(const TableState& state, int seat, int position, RandomSource& random);

}  // namespace mj::cpu
