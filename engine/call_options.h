#pragma once
// Which calls a seat may make on a tile: chi, pon and the open kan on another
// seat's discard; the concealed and added kans on its own drawn tile.
#include "engine/state/table_state.h"

namespace mj::engine {

// Rebuilds the seat's option tables and its may-chi / may-pon / may-kan flags
// for the tile on offer; true when any option exists. The search is for the
// seat's own tile when the seat is currentSeat, otherwise for currentSeat's
// discard. chiAllowed only for the seat next after the discarder.
bool FindCallOptions(TableState& state, int seat, TileCode tile, bool chiAllowed);

// One predicate per call: whether the seat's button lights up and whether the
// call is accepted. They read only what the last search found.
bool CanChi(const TableState& state, int seat);
bool CanPon(const TableState& state, int seat);
bool CanKan(const TableState& state, int seat);

struct KanOption {
  TileCode kind = 0;
  KanType type = KanType::None;
};

// Kan option 1..kanOptionCount of the seat; {0, None} outside that range.
KanOption KanOptionAt(const TableState& state, int seat, int option);
// The kan option whose kind is the tile at the hand position (1-14), 0 none:
// how a click during a kan selection picks its option.
int KanOptionAtPosition(const TableState& state, int seat, int position);
// The chi option made of these two hand kinds (either order, red fives
// folded), 0 none: how a remote seat's chosen tiles name their option.
int ChiOptionForKinds(const TableState& state, int seat, TileCode first, TileCode second);

// After a call: may the caller discard this tile (red fives folded)?
bool IsKuikaeBanned(const TableState& state, TileCode tile);

}  // namespace mj::engine
