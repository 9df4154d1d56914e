#pragma once
// Moving tiles from a hand into its melds, keeping meldTiles, the kind slots
// and calledSets in step.
#include <initializer_list>

#include "engine/state/table_state.h"

namespace mj::engine {

// How many of the kind (red fives folded) the seat holds in positions 1..last.
int HeldInHand(const TableState& state, int seat, TileCode kind, int last);
// Takes the first tile of the kind from positions 1..last and returns its real
// code (0 when there is none).
TileCode TakeFromHand(TableState& state, int seat, TileCode kind, int last);
// After tiles left a hand on its own turn the drawn tile fills a freed
// position, so position 14 is free for the replacement tile.
void MoveDrawnTileIntoHand(TableState& state, int seat);

// Appends a meld to meldTiles (real codes, the called tile first) and notes its
// size and the seat the called tile came from (0 for a concealed kan).
void AppendMeld(TableState& state, int seat, std::initializer_list<TileCode> tiles, int fromSeat);
// The added kan: the tile joins the group of the seat's pon of that kind, and
// the pon's called set gains its fourth entry.
void GrowPonIntoKan(TableState& state, int seat, TileCode kind, TileCode added);

// A kind into the first free slot (1-4).
void AddKindSlot(KindSlots& slots, TileCode kind);
// Removes a kind from its slot; the later slots move up.
void RemoveKindSlot(KindSlots& slots, TileCode kind);
// The set's kinds into the first free called set: three for a chi or pon,
// four for a kan; sorted ascending.
void AddCalledSet(TableState& state, int seat, std::initializer_list<TileCode> kinds);

}  // namespace mj::engine
