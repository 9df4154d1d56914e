#include "hand/decomposition.h"

#include <cstddef>

#include "hand/decomposition_search.h"
#include "hand/local_yaku_shapes.h"
#include "hand/shape_summary.h"
#include "hand/tile_counts.h"

namespace mj::hand {
namespace {

constexpr std::size_t Index(int i) { return static_cast<std::size_t>(i); }

bool Decompose(TableState& state, int seat, SearchOrder order) {
  // The tables tell at once whether the search will find anything; only a
  // hand it splits pays for the search that picks the split.
  const PassBits orderPasses = order == SearchOrder::TripletsFirst ? 0b0011 : 0b1100;
  const std::optional<PassBits> passes = StandardPassesFromTables(SummaryOf(state, seat, kHandPositions));
  if (passes && (*passes & orderPasses) == 0) {
    state.decompPair = kNoTile;
    return false;
  }
  FoundDecomposition found;
  const bool ok = SearchDecomposition(order, ConcealedCounts(state, seat), MeldPartOf(state, seat), found);
  if (ok) {
    state.decompSets = found.sets;
    state.concealedSets = found.concealedSets;
  }
  state.decompPair = ok ? found.pair : kNoTile;
  return ok;
}

// What the score looks at, gathered once: sequences by their lowest kind,
// triplets (kans apart) by kind.
struct ScoreCensus {
  std::array<std::int8_t, kKindCount + 1> sequences{};
  std::array<std::int8_t, kKindCount + 1> triplets{};  // pons and kans

  explicit ScoreCensus(const DecompSets& sets) {
    for (int i = 1; i <= 4; ++i) {
      const auto& set = sets[Index(i)];
      const TileCode low = set[1];
      if (low == kNoTile) continue;
      if (set[2] != low) {
        ++sequences[Index(low)];
        continue;
      }
      ++triplets[Index(low)];
    }
  }
  bool Seq(int suit, int n) const { return sequences[Index(suit * 9 + n)] > 0; }
  bool Triplet(int suit, int n) const { return triplets[Index(suit * 9 + n)] > 0; }
};

bool HasStraight(const ScoreCensus& c) {
  for (int suit = 0; suit < 3; ++suit) {
    if (c.Seq(suit, 1) && c.Seq(suit, 4) && c.Seq(suit, 7)) return true;
  }
  return false;
}

bool HasThreeColourTriplets(const ScoreCensus& c) {
  for (int n = 1; n <= 9; ++n) {
    if (c.Triplet(0, n) && c.Triplet(1, n) && c.Triplet(2, n)) return true;
  }
  return false;
}

bool HasThreeColourSequences(const ScoreCensus& c) {
  for (int n = 1; n <= 7; ++n) {
    if (c.Seq(0, n) && c.Seq(1, n) && c.Seq(2, n)) return true;
  }
  return false;
}

// 三色通貫: 1-2-3, 4-5-6 and 7-8-9, each in a different suit.
bool HasThreeColourStraight(const ScoreCensus& c) {
  for (int a = 0; a < 3; ++a) {
    for (int b = 0; b < 3; ++b) {
      const int third = 3 - a - b;
      if (b != a && third != a && third != b && c.Seq(a, 1) && c.Seq(b, 4) && c.Seq(third, 7)) return true;
    }
  }
  return false;
}

bool HasTwinSequences(const ScoreCensus& c) {
  for (int k = 1; k <= kKindCount; ++k) {
    if (c.sequences[Index(k)] >= 2) return true;
  }
  return false;
}

}  // namespace

bool DecomposeTripletsFirst(TableState& state, int seat) { return Decompose(state, seat, SearchOrder::TripletsFirst); }

bool DecomposeSequencesFirst(TableState& state, int seat) {
  return Decompose(state, seat, SearchOrder::SequencesFirst);
}

bool DecomposeForScoring(TableState& state, int seat) {
  return DecomposeTripletsFirst(state, seat) || DecomposeSequencesFirst(state, seat);
}

int ScoreDecomposition(const DecompSets& sets, bool hasCalled, const RuleSet& rules) {
  const ScoreCensus census(sets);
  if (HasStraight(census) || HasThreeColourTriplets(census) || HasThreeColourSequences(census) ||
      (rules.LocalYakuOn(108) && HoldsSanrenkou(sets)) ||
      (rules.LocalYakuOn(110) && HasThreeColourStraight(census))) {
    return 2;
  }
  return !hasCalled && HasTwinSequences(census) ? 1 : 0;
}

int ScoreDecomposition(const TableState& state, int seat) {
  return ScoreDecomposition(state.decompSets, state.hasCalled[Index(seat)], state.rules);
}

}  // namespace mj::hand
