#pragma once
// Whether a discard looks likely to feed an opponent: a riichi seat, or an
// open hand whose melds show a one-suit or terminal hand.
#include "cpu/dora_kinds.h"
#include "engine/state/table_state.h"

namespace mj::cpu {

bool IsDangerousTile(const TableState& state, int seat, TileCode tile);
// The same with the dora already read.
bool IsDangerousTile(const TableState& state, int seat, TileCode tile, const DoraKinds& dora);

// The kind lies in the seat's river, or the river holds its 4, 5 or 6 suji
// (4 for a 1 or 7, 5 for a 2 or 8, 6 for a 3 or 9).
bool IsSafeAgainst(const TableState& state, int opponent, TileCode kind);

bool RiverHolds(const TableState& state, int seat, TileCode kind);

}  // namespace mj::cpu
