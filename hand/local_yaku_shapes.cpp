#include "hand/local_yaku_shapes.h"

#include <array>
#include <bit>
#include <cstddef>

namespace mj::hand {
namespace {

constexpr std::size_t Index(int i) { return static_cast<std::size_t>(i); }

constexpr KindMask StartsOfLength(int length) {
  KindMask valid = 0;
  for (int suit = 0; suit < 3; ++suit) {
    valid |= KindRange(static_cast<TileCode>(9 * suit + 1), static_cast<TileCode>(9 * suit + 10 - length));
  }
  return valid;
}

}  // namespace

KindMask PlainTripletKinds(const DecompSets& sets) {
  KindMask kinds = 0;
  for (int i = 1; i <= 4; ++i) {
    const DecompSet& set = sets[Index(i)];
    if (IsTripletSet(set) && set[4] == kNoTile) kinds |= KindBit(set[1]);
  }
  return kinds;
}

KindMask RunStarts(KindMask kinds, int length) {
  KindMask run = kinds;
  for (int i = 1; i < length; ++i) run &= kinds >> i;
  return run & StartsOfLength(length);
}

int CountIn(const TileCounts& counts, KindMask kinds) {
  int tiles = 0;
  for (KindMask left = kinds & KindRange(1, kKindCount); left != 0; left &= left - 1) {
    tiles += counts[Index(std::countr_zero(left))];
  }
  return tiles;
}

bool HoldsSanrenkou(const DecompSets& sets) { return RunStarts(PlainTripletKinds(sets), 3) != 0; }

bool HoldsSuurenkou(const DecompSets& sets) { return RunStarts(PlainTripletKinds(sets), 4) != 0; }

bool HoldsIsshokuSanjun(const DecompSets& sets) {
  for (int i = 1; i <= 2; ++i) {
    const DecompSet& first = sets[Index(i)];
    if (!IsSequenceSet(first)) continue;
    int same = 0;
    for (int j = i; j <= 4; ++j) same += IsSequenceSet(sets[Index(j)]) && sets[Index(j)][1] == first[1];
    if (same >= 3) return true;
  }
  return false;
}

bool HoldsSanshokuTsuukan(const DecompSets& sets) {
  std::array<int, 3> start{};  // by suit: the number its first such sequence starts at
  for (int i = 1; i <= 4; ++i) {
    const DecompSet& set = sets[Index(i)];
    if (!IsSequenceSet(set)) continue;
    const int number = SuitNumber(set[1]);
    int& taken = start[Index(SuitOf(set[1]))];
    if (taken == 0 && (number == 1 || number == 4 || number == 7)) taken = number;
  }
  const KindMask covered = KindBit(static_cast<TileCode>(start[0])) | KindBit(static_cast<TileCode>(start[1])) |
                           KindBit(static_cast<TileCode>(start[2]));
  return covered == (KindBit(1) | KindBit(4) | KindBit(7));
}

bool HoldsRenjunHou(const DecompSets& sets) {
  const TileCode first = sets[1][1];
  if (SuitNumber(first) < 1 || SuitNumber(first) > 4) return false;
  for (int i = 1; i <= 4; ++i) {
    const DecompSet& set = sets[Index(i)];
    if (!IsSequenceSet(set) || set[1] != first + i - 1) return false;
  }
  return true;
}

}  // namespace mj::hand
