#include "hand/yaku_checks.h"

#include <algorithm>
#include <cstddef>

namespace mj::hand {
namespace {

constexpr std::size_t Index(int i) { return static_cast<std::size_t>(i); }

std::int16_t CountOf(const TileCounts& counts, int kind) { return counts[Index(kind)]; }

bool HasSequence(const DecompSets& sets, TileCode first) {
  for (int i = 1; i <= 4; ++i) {
    const DecompSet& set = sets[Index(i)];
    if (IsSequenceSet(set) && set[1] == first) return true;
  }
  return false;
}

bool HasTriplet(const DecompSets& sets, TileCode kind) {
  for (int i = 1; i <= 4; ++i) {
    const DecompSet& set = sets[Index(i)];
    if (IsTripletSet(set) && set[1] == kind) return true;
  }
  return false;
}

bool IsTerminalSet(const DecompSet& set, bool honoursAllowed) {
  if (IsSequenceSet(set)) {
    const int low = SuitNumber(set[1]);
    return low == 1 || low == 7;
  }
  return IsTerminal(set[1]) || (honoursAllowed && IsHonor(set[1]));
}

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

int TripletSetCount(const DecompSets& sets) {
  int triplets = 0;
  for (int i = 1; i <= 4; ++i) triplets += IsTripletSet(sets[Index(i)]) ? 1 : 0;
  return triplets;
}

bool HasIttsu(const DecompSets& sets, int suit) {
  const auto base = static_cast<TileCode>(9 * suit);
  return HasSequence(sets, static_cast<TileCode>(base + 1)) && HasSequence(sets, static_cast<TileCode>(base + 4)) &&
         HasSequence(sets, static_cast<TileCode>(base + 7));
}

int SanshokuSequenceNumber(const DecompSets& sets) {
  for (int n = 1; n <= 7; ++n) {
    if (HasSequence(sets, static_cast<TileCode>(n)) && HasSequence(sets, static_cast<TileCode>(n + 9)) &&
        HasSequence(sets, static_cast<TileCode>(n + 18))) {
      return n;
    }
  }
  return 0;
}

int SanshokuTripletNumber(const DecompSets& sets) {
  for (int n = 1; n <= 9; ++n) {
    if (HasTriplet(sets, static_cast<TileCode>(n)) && HasTriplet(sets, static_cast<TileCode>(n + 9)) &&
        HasTriplet(sets, static_cast<TileCode>(n + 18))) {
      return n;
    }
  }
  return 0;
}

bool HasEqualSequences(const DecompSets& sets) {
  for (int i = 1; i <= 4; ++i) {
    if (!IsSequenceSet(sets[Index(i)])) continue;
    for (int j = i + 1; j <= 4; ++j) {
      if (IsSequenceSet(sets[Index(j)]) && sets[Index(j)][1] == sets[Index(i)][1]) return true;
    }
  }
  return false;
}

bool AllTerminalSets(const DecompSets& sets, bool honoursAllowed) {
  for (int i = 1; i <= 4; ++i) {
    if (!IsTerminalSet(sets[Index(i)], honoursAllowed)) return false;
  }
  return true;
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
