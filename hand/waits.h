#pragma once
// Which kinds complete a seat's thirteen tiles, and whether a riichi seat's
// concealed kan would change them.
#include "engine/state/table_state.h"
#include "hand/kind_list.h"

namespace mj::hand {

// The kinds 1-34, ascending, for which IsCompleteHand holds with that kind in
// position 14; positions 1-13 and the melds are the hand.
KindList WaitingKinds(const TableState& state, int seat);

// A seat not in riichi may always kan. A riichi seat may make the concealed
// kan of the kind only with its drawn tile and only when its waits stay
// exactly the same.
bool KanKeepsWaits(const TableState& state, int seat, TileCode kind);

}  // namespace mj::hand
