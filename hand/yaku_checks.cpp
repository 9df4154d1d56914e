#include "hand/yaku_checks.h"

#include <algorithm>
#include <bit>
#include <cstddef>

namespace mj::hand {
namespace {

constexpr std::size_t Index(int i) { return static_cast<std::size_t>(i); }

std::int16_t CountOf(const TileCounts& counts, int kind) { return counts[Index(kind)]; }

// Bit n set when the kinds n, n + 9 and n + 18 are all in the mask.
KindMask ThreeSuits(KindMask kinds) { return kinds & (kinds >> 9) & (kinds >> 18); }

int LowestNumber(KindMask numbers, int highest) {
  const KindMask inRange = numbers & KindRange(1, static_cast<TileCode>(highest));
  return inRange == 0 ? 0 : std::countr_zero(inRange);
}

constexpr KindMask kTerminalStarts =
    KindBit(1) | KindBit(7) | KindBit(10) | KindBit(16) | KindBit(19) | KindBit(25);

}  // namespace

KindMask PresentKinds(const TileCounts& counts) {
  KindMask present = 0;
  for (int k = 1; k <= kKindCount; ++k) {
    if (counts[Index(k)] > 0) present |= KindBit(static_cast<TileCode>(k));
  }
  return present;
}

bool SlotsHoldKind(const KindSlots& slots, TileCode kind) {
  for (int i = 1; i <= 4; ++i) {
    const TileCode t = slots[Index(i)];
    if (t != kNoTile && TileKind(t) == kind) return true;
  }
  return false;
}

SetCensus CensusOf(const DecompSets& sets) {
  SetCensus c;
  for (int i = 1; i <= 4; ++i) {
    const DecompSet& set = sets[Index(i)];
    if (IsSequenceSet(set)) {
      const KindMask bit = KindBit(set[1]);
      if ((c.sequenceStarts & bit) != 0) c.equalSequences = true;
      c.sequenceStarts |= bit;
      ++c.sequences;
    } else if (IsTripletSet(set)) {
      c.tripletKinds |= KindBit(set[1]);
      ++c.triplets;
    }
  }
  return c;
}

int SanshokuSequenceNumber(const SetCensus& c) { return LowestNumber(ThreeSuits(c.sequenceStarts), 7); }

int SanshokuTripletNumber(const SetCensus& c) { return LowestNumber(ThreeSuits(c.tripletKinds), 9); }

bool AllTerminalSets(const SetCensus& c, bool honoursAllowed) {
  const KindMask triplets = honoursAllowed ? kTerminalHonourMask : kTerminalMask;
  return c.triplets + c.sequences == 4 && (c.sequenceStarts & ~kTerminalStarts) == 0 &&
         (c.tripletKinds & ~triplets) == 0;
}

bool HasSevenPairCounts(const TileCounts& counts) {
  int pairs = 0;
  for (int k = 1; k <= kKindCount; ++k) {
    if (counts[Index(k)] == 2) pairs += 1;
    if (counts[Index(k)] == 4) pairs += 2;
  }
  return pairs == 7;
}

int ValueTripletCount(const TileCounts& counts, TileCode roundWind, TileCode seatWind) {
  int value = 0;
  for (int k = kWhite; k <= kRed; ++k) value += CountOf(counts, k) >= 3 ? 1 : 0;
  if (CountOf(counts, roundWind) >= 3) ++value;
  if (CountOf(counts, seatWind) >= 3) ++value;
  return value;
}

bool IsBigDragons(const TileCounts& counts) {
  return CountOf(counts, kWhite) == 3 && CountOf(counts, kGreen) == 3 && CountOf(counts, kRed) == 3;
}

bool IsLittleDragons(const TileCounts& counts) {
  std::array<std::int16_t, 3> dragons{CountOf(counts, kWhite), CountOf(counts, kGreen), CountOf(counts, kRed)};
  std::sort(dragons.begin(), dragons.end());
  return dragons[0] == 2 && dragons[1] == 3 && dragons[2] == 3;
}

bool IsLittleWinds(const TileCounts& counts) {
  int twos = 0;
  int threes = 0;
  for (int k = kEast; k <= kNorth; ++k) {
    twos += CountOf(counts, k) == 2 ? 1 : 0;
    threes += CountOf(counts, k) == 3 ? 1 : 0;
  }
  return twos == 1 && threes == 3;
}

bool IsBigWinds(const TileCounts& counts) {
  for (int k = kEast; k <= kNorth; ++k) {
    if (CountOf(counts, k) != 3) return false;
  }
  return true;
}

bool IsNineGatesSuit(const TileCounts& counts, int suit) {
  const int base = 9 * suit;
  if (CountOf(counts, base + 1) < 3 || CountOf(counts, base + 9) < 3) return false;
  for (int n = 2; n <= 8; ++n) {
    if (CountOf(counts, base + n) < 1) return false;
  }
  return true;
}

bool IsPureNineGates(TileCounts counts, int suit, TileCode winningKind) {
  --counts[Index(winningKind)];
  const int base = 9 * suit;
  for (int n = 1; n <= 9; ++n) {
    const int want = (n == 1 || n == 9) ? 3 : 1;
    if (CountOf(counts, base + n) != want) return false;
  }
  return true;
}

}  // namespace mj::hand
