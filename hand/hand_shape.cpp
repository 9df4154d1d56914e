#include "hand/hand_shape.h"

#include <cstddef>
#include <cstdint>

#include "hand/decomposition_search.h"
#include "hand/suit_table.h"
#include "hand/tile_counts.h"

namespace mj::hand {
namespace {

constexpr std::size_t Index(int i) { return static_cast<std::size_t>(i); }
constexpr std::array<TileCode, 13> kTerminalsAndHonours{1, 9, 10, 18, 19, 27, 28, 29, 30, 31, 32, 33, 34};
constexpr int kMaxHeld = 4;

using KindMask = std::uint64_t;
constexpr KindMask Bit(int kind) { return KindMask{1} << kind; }

// Honours form sets only as triplets; a kind held twice (or five times, in a
// wait test) can be the pair.
struct HonourGroup {
  int size = 0;
  int oddKinds = 0;   // counts other than 0 and 3
  int pairKinds = 0;  // of those, counts 2 and 5

  explicit HonourGroup(const TileCounts& c) {
    for (int k = kEast; k <= kRed; ++k) Note(c[Index(k)], 1);
  }
  void Note(int count, int sign) {
    size += sign * count;
    if (count != 0 && count != 3) {
      oddKinds += sign;
      if (count == 2 || count == 5) pairKinds += sign;
    }
  }
  bool SetsOnly() const { return oddKinds == 0; }
  bool SetsAndPair() const { return oddKinds == 1 && pairKinds == 1; }
};

struct SuitGroup {
  int base = 0;  // 0, 9, 18
  int size = 0;
  int key = 0;
};

SuitGroup SuitOfCounts(const TileCounts& c, int base) {
  SuitGroup g;
  g.base = base;
  for (int i = 9; i >= 1; --i) {
    const int n = c[Index(base + i)];
    g.key = g.key * 5 + n;
    g.size += n;
  }
  return g;
}

// Pass bits of a group as it would be read with the given size: sets alone
// for a multiple of three, sets and the pair for two more.
PassBits Nibble(PassBits bits, int size) { return size % 3 == 0 ? bits & kAllPasses : bits >> 4; }

bool CountsFitTable(const TileCounts& c) {
  for (int k = 1; k <= kKindCount; ++k) {
    if (c[Index(k)] > kMaxHeld) return false;
  }
  return true;
}

bool StandardComplete(const TileCounts& concealed, int meldCount) {
  if (meldCount > 4 || TotalTiles(concealed) != 14 - 3 * meldCount) return HasDecomposition(concealed, meldCount);
  PassBits bits = kAllPasses;
  int pairGroups = 0;
  for (int base = 0; base <= 18; base += 9) {
    const SuitGroup g = SuitOfCounts(concealed, base);
    if (g.size % 3 == 1) return false;
    if (g.size == 0) continue;
    bool five = false;
    for (int i = 1; i <= 9; ++i) {
      if (concealed[Index(base + i)] > 5) return HasDecomposition(concealed, meldCount);
      five = five || concealed[Index(base + i)] == 5;
    }
    const PassBits passes = five ? SuitPassesWithFive(&concealed[Index(base + 1)]) : SuitPasses(g.key);
    bits &= Nibble(passes, g.size);
    if (g.size % 3 == 2) ++pairGroups;
  }
  const HonourGroup h(concealed);
  if (h.size % 3 == 2) {
    if (!h.SetsAndPair()) return false;
    ++pairGroups;
  } else if (!h.SetsOnly()) {
    return false;
  }
  return pairGroups == 1 && bits != 0;
}

KindMask KokushiWaits(const TileCounts& c) {
  int missing = 0;
  int pairs = 0;
  for (TileCode k : kTerminalsAndHonours) {
    missing += c[Index(k)] == 0;
    pairs += c[Index(k)] == 2;
  }
  KindMask mask = 0;
  if (missing > 1) return mask;
  for (TileCode k : kTerminalsAndHonours) {
    const int held = c[Index(k)];
    const bool allHeld = missing == 0 || held == 0;
    const int pairsAfter = pairs - (held == 2) + (held == 1);
    if (allHeld && pairsAfter > 0) mask |= Bit(k);
  }
  return mask;
}

KindMask SevenPairsWaits(const TileCounts& c, bool hasCalled) {
  if (hasCalled) return 0;
  int pairs = 0;
  for (int k = 1; k <= kKindCount; ++k) pairs += c[Index(k)] == 2;
  KindMask mask = 0;
  if (pairs < 6 || pairs > 8) return mask;
  for (int k = 1; k <= kKindCount; ++k) {
    const int held = c[Index(k)];
    if (pairs - (held == 2) + (held == 1) == 7) mask |= Bit(k);
  }
  return mask;
}

KindMask LiteralStandardWaits(const TileCounts& concealed, int meldCount) {
  KindMask mask = 0;
  for (int k = 1; k <= kKindCount; ++k) {
    TileCounts c = concealed;
    ++c[Index(k)];
    if (HasDecomposition(c, meldCount)) mask |= Bit(k);
  }
  return mask;
}

// What the groups other than the one receiving the tile contribute.
struct Others {
  PassBits bits = kAllPasses;
  int pairGroups = 0;
  bool broken = false;

  void Add(PassBits passes, int size) {
    if (size % 3 == 1) broken = true;
    if (size == 0) return;
    bits &= Nibble(passes, size);
    if (size % 3 == 2) ++pairGroups;
  }
  // The receiving group, grown to newSize, completes the hand with passes.
  bool CompleteWith(PassBits passes, int newSize) const {
    const int pairs = pairGroups + (newSize % 3 == 2);
    return !broken && pairs == 1 && (bits & Nibble(passes, newSize)) != 0;
  }
};

// Kinds of one suit that complete the hand when added to it.
KindMask SuitWaits(const TileCounts& c, const SuitGroup& g, const Others& others) {
  KindMask mask = 0;
  for (int i = 1; i <= 9; ++i) {
    const int kind = g.base + i;
    // A tile with no neighbour within two cannot join a set or a pair.
    bool near = c[Index(kind)] > 0;
    for (int j = i - 2; j <= i + 2 && !near; ++j) near = j >= 1 && j <= 9 && c[Index(g.base + j)] > 0;
    if (!near) continue;
    PassBits passes = 0;
    if (c[Index(kind)] == kMaxHeld) {
      std::array<std::int16_t, 9> grown{};
      for (int j = 1; j <= 9; ++j) grown[Index(j - 1)] = c[Index(g.base + j)];
      ++grown[Index(i - 1)];
      passes = SuitPassesWithFive(grown.data());
    } else {
      passes = SuitPasses(g.key + kPow5[Index(i - 1)]);
    }
    if (others.CompleteWith(passes, g.size + 1)) mask |= Bit(kind);
  }
  return mask;
}

KindMask HonourWaits(const TileCounts& c, const HonourGroup& h, const Others& others) {
  KindMask mask = 0;
  for (int k = kEast; k <= kRed; ++k) {
    HonourGroup grown = h;
    grown.Note(c[Index(k)], -1);
    grown.Note(c[Index(k)] + 1, 1);
    const bool ok = grown.size % 3 == 2 ? grown.SetsAndPair() : grown.SetsOnly();
    // Honours read alike in every pass, as sets alone or with the pair.
    if (ok && others.CompleteWith(static_cast<PassBits>(kAllPasses | (kAllPasses << 4)), grown.size)) mask |= Bit(k);
  }
  return mask;
}

KindMask StandardWaits(const TileCounts& concealed, int meldCount) {
  if (meldCount > 4 || TotalTiles(concealed) != 13 - 3 * meldCount || !CountsFitTable(concealed)) {
    return LiteralStandardWaits(concealed, meldCount);
  }
  std::array<SuitGroup, 3> suits{};
  std::array<PassBits, 3> passes{};
  for (int s = 0; s < 3; ++s) {
    suits[Index(s)] = SuitOfCounts(concealed, 9 * s);
    passes[Index(s)] = suits[Index(s)].size == 0 ? kAllPasses : SuitPasses(suits[Index(s)].key);
  }
  const HonourGroup honours(concealed);
  const PassBits honourPasses =
      (honours.size % 3 == 2 ? honours.SetsAndPair() : honours.SetsOnly()) ? kAllPasses | (kAllPasses << 4) : 0;

  // A tile can only complete the hand in a group whose size is not a
  // multiple of three.
  KindMask mask = 0;
  for (int receiver = 0; receiver < 4; ++receiver) {
    const int size = receiver < 3 ? suits[Index(receiver)].size : honours.size;
    if (size % 3 == 0) continue;
    Others others;
    for (int s = 0; s < 3; ++s) {
      if (s != receiver) others.Add(passes[Index(s)], suits[Index(s)].size);
    }
    if (receiver != 3) others.Add(honourPasses, honours.size);
    if (others.broken || others.pairGroups > 1) continue;
    mask |= receiver < 3 ? SuitWaits(concealed, suits[Index(receiver)], others) : HonourWaits(concealed, honours, others);
  }
  return mask;
}

HandShape ShapeOf(const TableState& state, int seat, int last) {
  HandShape shape;
  shape.concealed = ConcealedCounts(state, seat, 1, last);
  shape.counts = shape.concealed;
  AddMeldCounts(state, seat, shape.counts);
  shape.meldCount = MeldCount(state, seat);
  shape.hasCalled = state.hasCalled[Index(seat)];
  return shape;
}

}  // namespace

bool IsKokushiShape(const TileCounts& counts) {
  bool pair = false;
  for (TileCode k : kTerminalsAndHonours) {
    if (counts[Index(k)] == 0) return false;
    pair = pair || counts[Index(k)] == 2;
  }
  return pair;
}

bool IsSevenPairsShape(const TileCounts& counts, bool hasCalled) {
  if (hasCalled) return false;
  int pairs = 0;
  for (int k = 1; k <= kKindCount; ++k) pairs += counts[Index(k)] == 2;
  return pairs == 7;
}

HandShape HandShapeOf(const TableState& state, int seat) { return ShapeOf(state, seat, kHandPositions); }
HandShape WaitShapeOf(const TableState& state, int seat) { return ShapeOf(state, seat, kHandPositions - 1); }

bool IsCompleteShape(const HandShape& shape) {
  return IsKokushiShape(shape.counts) || IsSevenPairsShape(shape.counts, shape.hasCalled) ||
         StandardComplete(shape.concealed, shape.meldCount);
}

KindList WaitingKindsOf(const HandShape& shape) {
  const KindMask mask = KokushiWaits(shape.counts) | SevenPairsWaits(shape.counts, shape.hasCalled) |
                        StandardWaits(shape.concealed, shape.meldCount);
  KindList list;
  for (int k = 1; k <= kKindCount; ++k) {
    if ((mask & Bit(k)) != 0) list.Add(static_cast<TileCode>(k));
  }
  return list;
}

}  // namespace mj::hand
