#pragma once
// Playing safe once another seat threatens: when to turn to defence, and
// which tile then goes.
#include "common/random_source.h"
#include "cpu/discard_context.h"
#include "engine/state/table_state.h"

namespace mj::cpu {

// Another seat is in riichi and the seat's score or standing calls for care.
bool ShouldDefend(const TableState& state, int seat);

// A kind the riichi seats are unlikely to win on (the tiles discarded since a
// riichi, honours, tiles whose neighbours are all out, suji of the safe
// middles), or 0 when the hand holds none.
TileCode ChooseSafeDiscard(const TableState& state, int seat, RandomSource& random);
TileCode ChooseSafeDiscard(const TableState& state, int seat, RandomSource& random, const DoraKinds& dora,
                           const UnseenTable& unseen);

// The defence order; stores the defence plan for the rest of the hand.
TileCode DefenceDiscard(DiscardContext& context);

}  // namespace mj::cpu
