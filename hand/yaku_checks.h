#pragma once
// The shape tests behind the yaku, on count vectors and on a decomposition.
// Pure functions: the win evaluation and the fixed-yaku test share them.
#include <cstdint>

#include "engine/state/table_state.h"

namespace mj::hand {

// Kind sets as bit masks (bit k for kind k), matched against the kinds a hand holds.
using KindMask = std::uint64_t;

constexpr KindMask KindBit(TileCode kind) { return KindMask{1} << kind; }
constexpr KindMask KindRange(TileCode first, TileCode last) {
  KindMask mask = 0;
  for (TileCode k = first; k <= last; ++k) mask |= KindBit(k);
  return mask;
}
constexpr KindMask SuitMask(int suit) { return KindRange(static_cast<TileCode>(9 * suit + 1), static_cast<TileCode>(9 * suit + 9)); }

constexpr KindMask kHonourMask = KindRange(kEast, kRed);
constexpr KindMask kWindMask = KindRange(kEast, kNorth);
constexpr KindMask kDragonMask = KindRange(kWhite, kRed);
constexpr KindMask kNumberedMask = KindRange(1, 27);
constexpr KindMask kTerminalMask = KindBit(1) | KindBit(9) | KindBit(10) | KindBit(18) | KindBit(19) | KindBit(27);
constexpr KindMask kTerminalHonourMask = kTerminalMask | kHonourMask;
constexpr KindMask kCircleMask = SuitMask(1);
// 2s 3s 4s 6s 8s 発.
constexpr KindMask kGreenMask = KindBit(20) | KindBit(21) | KindBit(22) | KindBit(24) | KindBit(26) | KindBit(kGreen);

// The kinds with a count above zero.
KindMask PresentKinds(const TileCounts& counts);
// Every tile of the hand is one of the mask's kinds.
constexpr bool OnlyKinds(KindMask present, KindMask mask) { return (present & ~mask) == 0; }
constexpr bool AnyKind(KindMask present, KindMask mask) { return (present & mask) != 0; }

// A meld row (ponKinds, openKanKinds, closedKanKinds, slots 1-4) holds the kind; red fives fold.
bool SlotsHoldKind(const KindSlots& slots, TileCode kind);

// One set of a decomposition: positions 1-3 the kinds, 4 the kan marker.
using DecompSet = std::array<TileCode, 5>;
constexpr bool IsEmptySet(const DecompSet& set) { return set[1] == kNoTile; }
constexpr bool IsTripletSet(const DecompSet& set) { return set[1] != kNoTile && set[1] == set[2]; }
constexpr bool IsSequenceSet(const DecompSet& set) { return set[1] != kNoTile && set[1] != set[2]; }

// What the yaku read from a decomposition, gathered once: sequences by their
// lowest kind, triplets and kans by kind.
struct SetCensus {
  KindMask sequenceStarts = 0;
  KindMask tripletKinds = 0;
  int sequences = 0;
  int triplets = 0;             // triplets and kans
  bool equalSequences = false;  // two sets are the same sequence (一盃口)
};

SetCensus CensusOf(const DecompSets& sets);

// 一気通貫 in the suit (0 characters, 1 circles, 2 bamboo).
constexpr bool HasIttsu(const SetCensus& c, int suit) {
  const KindMask starts = KindBit(static_cast<TileCode>(9 * suit + 1)) | KindBit(static_cast<TileCode>(9 * suit + 4)) |
                          KindBit(static_cast<TileCode>(9 * suit + 7));
  return (c.sequenceStarts & starts) == starts;
}
// The lowest number of a 三色同順 (1-7) or of a 三色同刻 (1-9); 0 when none.
int SanshokuSequenceNumber(const SetCensus& c);
int SanshokuTripletNumber(const SetCensus& c);
// Every set is a sequence 1-2-3 or 7-8-9 or a triplet of a terminal (or,
// when honours are allowed, of an honour).
bool AllTerminalSets(const SetCensus& c, bool honoursAllowed);

// Kinds with count 2 plus twice the kinds with count 4 number seven (二盃口 counts).
bool HasSevenPairCounts(const TileCounts& counts);
// 役牌: one per dragon triplet, the round-wind and the seat-wind triplet (a double wind counts twice).
int ValueTripletCount(const TileCounts& counts, TileCode roundWind, TileCode seatWind);
// 白発中 3, 3, 3.
bool IsBigDragons(const TileCounts& counts);
// 白発中 3, 3, 2 in some order.
bool IsLittleDragons(const TileCounts& counts);
// Winds: one exactly 2 and three exactly 3 (小四喜和).
bool IsLittleWinds(const TileCounts& counts);
// Winds: all four exactly 3 (大四喜和).
bool IsBigWinds(const TileCounts& counts);
// The 九連宝燈 counts in the suit: 1 and 9 at least three times, 2-8 at least once.
bool IsNineGatesSuit(const TileCounts& counts, int suit);
// The suit's counts without the winning tile are exactly 3,1,1,1,1,1,1,1,3.
bool IsPureNineGates(TileCounts counts, int suit, TileCode winningKind);

}  // namespace mj::hand
