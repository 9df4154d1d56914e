#pragma once
// The shapes of the local yaku that read a decomposition, shared by the win
// evaluation, the fixed-yaku test and the choice among decompositions.
#include "engine/state/table_state.h"
#include "hand/yaku_checks.h"

namespace mj::hand {

// The kinds of the triplets of the sets, kans left out.
KindMask PlainTripletKinds(const DecompSets& sets);
// Bit k when the kinds k .. k + length - 1 are all in the mask, in one suit.
KindMask RunStarts(KindMask kinds, int length);
// The tiles of the counts whose kinds are in the mask.
int CountIn(const TileCounts& counts, KindMask kinds);

// 三連刻: triplets (not kans) of n, n+1, n+2 in one suit.
bool HoldsSanrenkou(const DecompSets& sets);
// 一色三順: three sets are the same sequence.
bool HoldsIsshokuSanjun(const DecompSets& sets);
// 三色通貫: the first sequence starting at 1, 4 or 7 of each suit, in stored
// order, together start at 1, 4 and 7.
bool HoldsSanshokuTsuukan(const DecompSets& sets);
// 四連刻: triplets (not kans) of n .. n+3 in one suit.
bool HoldsSuurenkou(const DecompSets& sets);
// 連順和: the four sets, in stored order, are the sequences starting at n,
// n+1, n+2 and n+3 of one suit.
bool HoldsRenjunHou(const DecompSets& sets);

}  // namespace mj::hand
