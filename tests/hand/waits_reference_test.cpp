// The fast completeness and wait tests against the searches run kind by kind,
// and the searches against an independent split, on many fixed-seed hands.
#include <gtest/gtest.h>

#include "hand/complete_hand.h"
#include "hand/decomposition.h"
#include "hand/hand_shape.h"
#include "hand/waits.h"
#include "tests/hand/random_hands.h"
#include "tests/hand/reading_reference.h"
#include "tests/support/tile_notation.h"

namespace mj::hand {
namespace {

std::string HandText(const TableState& state) {
  std::vector<TileCode> tiles(state.handTiles[1].begin() + 1, state.handTiles[1].end());
  return test::Notation(tiles) + " melds " + std::to_string(MeldCount(state, 1));
}

std::string KindsText(const KindList& kinds) { return test::Notation(std::vector<TileCode>(kinds.begin(), kinds.end())); }

TEST(WaitsReference, WaitingKindsAgreesWithEveryKindTriedInPositionFourteen) {
  reference::HandMaker maker(20240611);
  int waiting = 0;
  for (int i = 0; i < 12000; ++i) {
    TableState state = maker.Make(i % reference::HandMaker::kStyles, 13);
    const KindList fast = WaitingKinds(state, 1);
    const KindList slow = reference::Waits(state, 1);
    ASSERT_EQ(KindsText(fast), KindsText(slow)) << HandText(state);
    ASSERT_EQ(KindsText(WaitingKindsOf(WaitShapeOf(state, 1))), KindsText(slow)) << HandText(state);
    waiting += !fast.empty();
  }
  EXPECT_GT(waiting, 3000);  // the mix holds plenty of waiting hands
}

TEST(WaitsReference, IsCompleteHandAgreesWithTheSearches) {
  reference::HandMaker maker(77);
  int complete = 0;
  for (int i = 0; i < 20000; ++i) {
    TableState state = maker.Make(i % reference::HandMaker::kStyles, 14);
    const bool slow = reference::Complete(state, 1);
    ASSERT_EQ(IsCompleteHand(state, 1), slow) << HandText(state);
    ASSERT_EQ(IsCompleteShape(HandShapeOf(state, 1)), slow) << HandText(state);
    ASSERT_EQ(DecomposeForScoring(state, 1), HasDecomposition(ConcealedCounts(state, 1), MeldCount(state, 1)))
        << HandText(state);
    complete += slow;
  }
  EXPECT_GT(complete, 2000);
}

// Calls visit with a seat-1 table for every hand of `size` circles tiles.
template <class Visit>
void ForEveryOneSuitHand(int size, Visit visit) {
  std::array<int, 10> c{};
  const auto fill = [&](const auto& self, int n, int left) -> void {
    if (n == 10) {
      if (left != 0) return;
      TableState state;
      int pos = 1;
      for (int k = 1; k <= 9; ++k) {
        for (int j = 0; j < c[reference::I(k)]; ++j) state.handTiles[1][reference::I(pos++)] = static_cast<TileCode>(9 + k);
      }
      visit(state);
      return;
    }
    for (int v = 0; v <= std::min(4, left); ++v) {
      c[reference::I(n)] = v;
      self(self, n + 1, left - v);
    }
    c[reference::I(n)] = 0;
  };
  fill(fill, 1, size);
}

// Every one-suit hand of fourteen tiles: the searches find a split exactly
// when one exists, and the fast test says the same.
TEST(WaitsReference, EveryOneSuitHandOfFourteen) {
  int hands = 0;
  ForEveryOneSuitHand(14, [&](TableState& state) {
    const TileCounts counts = ConcealedCounts(state, 1);
    const bool splits = reference::SplitsInto(counts, 4, true);
    const bool slow = reference::Complete(state, 1);
    ASSERT_EQ(slow, splits || reference::SevenPairsByDefinition(counts, false)) << HandText(state);
    ASSERT_EQ(IsCompleteHand(state, 1), slow) << HandText(state);
    ++hands;
  });
  EXPECT_GT(hands, 10000);
}

// Every one-suit hand of thirteen tiles can only wait within its suit. Each
// hand with a kind added is a fourteen-tile hand the test above has checked
// (or, holding a kind five times, one IsCompleteHand leaves to the searches),
// so IsCompleteHand serves as the reference here.
TEST(WaitsReference, EveryOneSuitHandOfThirteen) {
  int hands = 0;
  ForEveryOneSuitHand(13, [&](TableState& state) {
    KindList slow;
    for (int k = 10; k <= 18; ++k) {
      state.handTiles[1][kDrawnPosition] = static_cast<TileCode>(k);
      if (IsCompleteHand(state, 1)) slow.Add(static_cast<TileCode>(k));
    }
    state.handTiles[1][kDrawnPosition] = kNoTile;
    ASSERT_EQ(KindsText(WaitingKinds(state, 1)), KindsText(slow)) << HandText(state);
    ++hands;
  });
  EXPECT_GT(hands, 10000);
}

}  // namespace
}  // namespace mj::hand
