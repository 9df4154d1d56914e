#pragma once
// Riichi on the table state: the stake and what the declaring discard fixes
// (who may declare is in riichi_conditions.h). The table wraps these with its
// sounds and view.
#include "engine/state/riichi_conditions.h"
#include "engine/state/table_state.h"

namespace mj::engine {

// The seat pays 1000 points onto the table (its score may go negative) and
// its declaration is out, as a normal riichi.
void PayRiichiStake(TableState& state, int seat);
// The declaration is taken back with its 1000 points.
void ReturnRiichiStake(TableState& state, int seat);

// The declaring tile has just gone to the seat's river: the riichi entry is
// recorded, the river index fixed, double riichi, ippatsu and the pending
// stake set, the safe tiles rebuilt and 絶張和 marked.
void FixRiichi(TableState& state, int seat);

// The kinds safe against every seat in riichi, after the seat declared: its
// own river's kinds in river order, less any a seat already in riichi could
// still win on.
void RebuildRiichiSafeTiles(TableState& state, int seat);

// A discard made while some seat is in riichi is safe from then on.
void AddRiichiSafeTile(TableState& state, TileCode tile);

bool AnySeatInRiichi(const TableState& state);

}  // namespace mj::engine
