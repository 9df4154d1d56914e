#pragma once
// The fixed discard order of each hand plan. Each names a kind the hand holds.
#include "cpu/discard_context.h"

namespace mj::cpu {

TileCode SevenPairsDiscard(DiscardContext& context);
TileCode ThirteenOrphansDiscard(DiscardContext& context);
// flushSuit 0 characters, 1 circles, 2 bamboo, 3 honours; 0 when every held
// kind belongs to the plan.
TileCode OneSuitDiscard(DiscardContext& context, int flushSuit);
TileCode PairHandDiscard(DiscardContext& context);
// Any held kind, drawn at random.
TileCode RandomDiscard(DiscardContext& context);

}  // namespace mj::cpu
