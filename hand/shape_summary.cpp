#include "hand/shape_summary.h"

#include <bit>
#include <cstring>

#include "hand/suit_table.h"

namespace mj::hand {
namespace {

constexpr std::size_t Index(int i) { return static_cast<std::size_t>(i); }
constexpr std::uint64_t kOnesForCount = 0x0101010101010101;
constexpr int kGroups = 4;

constexpr KindMask KindRange(int first, int last) { return (KindBit(last + 1) - 1) & ~(KindBit(first) - 1); }
constexpr KindMask kEveryKind = KindRange(1, kKindCount);
constexpr std::array<KindMask, kGroups> kGroupKinds{KindRange(1, 9), KindRange(10, 18), KindRange(19, 27),
                                                    KindRange(kEast, kRed)};
constexpr KindMask kTerminalsAndHonours = KindBit(1) | KindBit(9) | KindBit(10) | KindBit(18) | KindBit(19) |
                                          KindBit(27) | KindRange(kEast, kRed);

// Without a population-count instruction in the baseline target, the
// library call would cost more than this.
constexpr int Popcount(KindMask m) {
  m = m - ((m >> 1) & 0x5555555555555555);
  m = (m & 0x3333333333333333) + ((m >> 2) & 0x3333333333333333);
  m = (m + (m >> 4)) & 0x0F0F0F0F0F0F0F0F;
  return static_cast<int>((m * kOnesForCount) >> 56);
}

PassBits GroupPasses(int group, int key) { return group == 3 ? HonourPasses(key) : SuitPasses(key); }

// Byte-wise tests on eight counts at a time; counts stay far below 128.
constexpr std::uint64_t kOnes = 0x0101010101010101;
constexpr std::uint64_t kHighBits = 0x8080808080808080;
constexpr int kWords = 5;

std::uint64_t Word(const ShapeSummary& s, int w) {
  std::uint64_t word = 0;
  std::memcpy(&word, s.counts.data() + 8 * w, sizeof word);
  return w == 0 ? word & ~std::uint64_t{0xFF} : word;  // kind 0 is not a kind
}
// The high bit of every byte that is at least n.
constexpr std::uint64_t AtLeast(std::uint64_t word, int n) {
  return (word + (0x80 - static_cast<std::uint64_t>(n)) * kOnes) & kHighBits;
}
// One bit per byte's high bit, in kind order.
constexpr KindMask Gather(std::uint64_t highBits, int w) {
  return ((highBits >> 7) * 0x0102040810204080) >> 56 << (8 * w);
}

// Kinds held at least once, twice, three and four times.
struct Tally {
  std::array<KindMask, 4> atLeast{};
  explicit Tally(const ShapeSummary& s) {
    for (int w = 0; w < kWords; ++w) {
      const std::uint64_t word = Word(s, w);
      for (int n = 0; n < 4; ++n) atLeast[Index(n)] |= Gather(AtLeast(word, n + 1), w);
    }
  }
  KindMask Exactly(int n) const { return atLeast[Index(n - 1)] & ~(n < 4 ? atLeast[Index(n)] : 0); }
};

// The tables answer only whole hands. With melds neither special shape can
// be formed from that many tiles (an open hand has hasCalled set, and a
// closed kan's kind counts three).
bool TablesApply(const ShapeSummary& s, int tiles) {
  const int held = s.Size(0) + s.Size(1) + s.Size(2) + s.Size(3);
  return s.meldCount <= 4 && held == tiles - 3 * s.meldCount;
}

// The high bits of counts beyond four, and the bits of counts other than 0
// and 2 (fourteen concealed tiles are seven pairs when there are none).
struct CountCheck {
  std::uint64_t beyondFour = 0;
  std::uint64_t notPairs = 0;
  explicit CountCheck(const ShapeSummary& s) {
    for (int w = 0; w < kWords; ++w) {
      const std::uint64_t word = Word(s, w);
      beyondFour |= AtLeast(word, 5);
      notPairs |= word & ~(2 * kOnes);
    }
  }
};

// Fourteen concealed tiles: every terminal and honour kind, so the
// fourteenth is one of them again.
bool IsKokushi(const ShapeSummary& s) {
  if (s.Size(3) < 7) return false;
  int kinds = 0;
  for (int w = 0; w < kWords; ++w) kinds += Popcount(Gather(AtLeast(Word(s, w), 1), w) & kTerminalsAndHonours);
  const int others = s.Size(0) + s.Size(1) + s.Size(2) -
                     (s.counts[1] + s.counts[9] + s.counts[10] + s.counts[18] + s.counts[19] + s.counts[27]);
  return kinds == 13 && others == 0;
}

KindMask KokushiWaits(const Tally& t) {
  const KindMask missing = kTerminalsAndHonours & ~t.atLeast[0];
  const int pairs = Popcount(kTerminalsAndHonours & t.Exactly(2));
  if (Popcount(missing) > 1) return 0;
  if (missing != 0) return pairs > 0 ? missing : 0;
  // Each kind held: once becomes the pair; twice leaves another pair only
  // when there were two; three times or more keeps the pairs there are.
  return (kTerminalsAndHonours & t.Exactly(1)) | (pairs >= 2 ? kTerminalsAndHonours & t.Exactly(2) : 0) |
         (pairs > 0 ? kTerminalsAndHonours & t.atLeast[2] : 0);
}

KindMask SevenPairsWaits(const ShapeSummary& s, const Tally& t) {
  // Thirteen tiles: six pairs and the single.
  return !s.hasCalled && Popcount(t.Exactly(2)) == 6 ? t.Exactly(1) : 0;
}

struct Groups {
  std::array<PassBits, kGroups> passes{};
  std::array<int, kGroups> size{};
  std::array<int, kGroups> key{};
  int pairGroups = 0;

  explicit Groups(const ShapeSummary& s) {
    for (int g = 0; g < kGroups; ++g) {
      size[Index(g)] = s.Size(g);
      key[Index(g)] = s.Key(g);
      passes[Index(g)] = PassesForSize(GroupPasses(g, key[Index(g)]), size[Index(g)]);
      pairGroups += size[Index(g)] % 3 == 2;
    }
  }
};

// Kinds within two of a held suit tile: a tile further away cannot join a
// set or a pair. For honours only a kind already held can.
KindMask Candidates(KindMask heldKinds, int g) {
  const KindMask held = heldKinds & kGroupKinds[Index(g)];
  if (g == 3) return held;
  return (held | held << 1 | held << 2 | held >> 1 | held >> 2) & kGroupKinds[Index(g)];
}

PassBits PassesWithFifth(const ShapeSummary& s, int g, int kind) {
  const int first = g == 3 ? kEast : 9 * g + 1;
  std::array<std::int8_t, 9> counts{};
  for (int i = 0; i < (g == 3 ? 7 : 9); ++i) counts[Index(i)] = static_cast<std::int8_t>(s.counts[Index(first + i)]);
  ++counts[Index(kind - first)];
  return g == 3 ? HonourPassesOfCounts(counts.data()) : SuitPassesOfCounts(counts.data());
}

// Kinds of group g that complete the hand when added to it, the other
// groups contributing `others`.
KindMask GroupWaits(const ShapeSummary& s, const Groups& groups, int g, PassBits others) {
  const int first = g == 3 ? kEast : 9 * g + 1;
  const int last = g == 3 ? kRed : first + 8;
  KindMask held = 0;
  for (int k = first; k <= last; ++k) held |= s.counts[Index(k)] != 0 ? KindBit(k) : 0;
  const int grownSize = groups.size[Index(g)] + 1;
  KindMask mask = 0;
  for (KindMask left = Candidates(held, g); left != 0; left &= left - 1) {
    const int kind = std::countr_zero(left);
    const PassBits passes = s.counts[Index(kind)] == 4
                                ? PassesWithFifth(s, g, kind)
                                : GroupPasses(g, groups.key[Index(g)] + kPow5[Index(kind - first)]);
    if ((PassesForSize(passes, grownSize) & others) != 0) mask |= KindBit(kind);
  }
  return mask;
}

// Counts the tiles forEach hands over. The sums stay in registers: kept in
// the summary itself, every tile would wait for the store of the one before.
template <class ForEach>
void CountTiles(ShapeSummary& summary, ForEach forEach) {
  std::uint64_t suitKeys = 0;
  std::uint64_t honourKeyAndSizes = 0;
  forEach([&](TileCode kind) {
    const auto k = static_cast<std::size_t>(kind);
    ++summary.counts[k];
    suitKeys += summary_detail::kWeights.suitKeys[k];
    honourKeyAndSizes += summary_detail::kWeights.honourKeyAndSizes[k];
  });
  summary.suitKeys = suitKeys;
  summary.honourKeyAndSizes = honourKeyAndSizes;
}

// The passes that split a whole hand: one bit must hold in every group, and
// exactly one group holds the pair.
PassBits StandardPasses(const ShapeSummary& s) {
  const GroupTables& tables = TheGroupTables();
  PassBits bits = kAllPasses;
  int pairGroups = 0;
  for (int g = 0; g < kGroups; ++g) {
    const SizeRule rule = kSizeRules[Index(s.Size(g))];
    const PassBits passes = g == 3 ? tables.honours[s.Key(g)] : tables.suits[s.Key(g)];
    bits &= (passes >> rule.shift) & rule.mask;
    pairGroups += rule.holdsPair;
  }
  return pairGroups == 1 ? bits : 0;
}

}  // namespace

ShapeSummary SummaryOf(const TableState& state, int seat, int lastPosition) {
  const std::size_t s = Index(seat);
  ShapeSummary summary;
  const HandRow& hand = state.handTiles[s];
  CountTiles(summary, [&](auto add) {
    for (int p = 1; p <= lastPosition; ++p) add(TileKind(hand[Index(p)]));
  });
  const auto& chi = state.chiTiles[s];
  for (int group = 1; group <= 10; group += 3) summary.meldCount += chi[Index(group)] != kNoTile;
  for (const KindSlots* slots : {&state.ponKinds[s], &state.openKanKinds[s], &state.closedKanKinds[s]}) {
    for (int i = 1; i <= 4; ++i) summary.meldCount += (*slots)[Index(i)] != kNoTile;
  }
  summary.hasCalled = state.hasCalled[s];
  return summary;
}

ShapeSummary SummaryOf(const HandShape& shape) {
  ShapeSummary summary;
  std::uint64_t sizes = 0;
  const auto group = [&](int g, int first, int kinds) {
    std::uint64_t key = 0;
    std::uint64_t size = 0;
    for (int i = kinds - 1; i >= 0; --i) {
      const auto held = static_cast<std::uint8_t>(shape.concealed[Index(first + i)]);
      summary.counts[Index(first + i)] = held;
      key = key * 5 + held;
      size += held;
    }
    sizes |= size << (summary_detail::kSizeShift + 8 * g);
    return key;
  };
  summary.suitKeys = group(0, 1, 9) | group(1, 10, 9) << summary_detail::kKeyBits |
                     group(2, 19, 9) << (2 * summary_detail::kKeyBits);
  summary.honourKeyAndSizes = group(3, kEast, 7);
  summary.honourKeyAndSizes |= sizes;
  summary.meldCount = shape.meldCount;
  summary.hasCalled = shape.hasCalled;
  return summary;
}

std::optional<PassBits> StandardPassesFromTables(const ShapeSummary& s) {
  if (!TablesApply(s, 14) || CountCheck(s).beyondFour != 0) return std::nullopt;
  return StandardPasses(s);
}

std::optional<bool> CompleteFromTables(const ShapeSummary& s) {
  if (!TablesApply(s, 14)) return std::nullopt;
  const CountCheck check(s);
  if (check.beyondFour != 0) return std::nullopt;
  if (s.meldCount == 0 && ((!s.hasCalled && check.notPairs == 0) || IsKokushi(s))) return true;
  return StandardPasses(s) != 0;
}

std::optional<KindMask> WaitsFromTables(const ShapeSummary& s) {
  if (!TablesApply(s, 13) || CountCheck(s).beyondFour != 0) return std::nullopt;
  KindMask mask = 0;
  if (s.meldCount == 0) {
    const Tally t(s);
    mask = KokushiWaits(t) | SevenPairsWaits(s, t);
  }
  const Groups groups(s);
  // The tile can only go to a group whose size is not a multiple of three;
  // afterwards exactly one group may hold the pair.
  for (int g = 0; g < kGroups; ++g) {
    const int rest = groups.size[Index(g)] % 3;
    if (rest == 0 || groups.pairGroups - (rest == 2) + (rest == 1) != 1) continue;
    PassBits others = kAllPasses;
    for (int o = 0; o < kGroups; ++o) {
      if (o != g) others &= groups.passes[Index(o)];
    }
    if (others != 0) mask |= GroupWaits(s, groups, g, others);
  }
  return mask;
}

}  // namespace mj::hand
