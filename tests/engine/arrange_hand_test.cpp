#include "engine/arrange_hand.h"

#include <gtest/gtest.h>

#include "tests/support/tile_notation.h"

namespace mj::engine {
namespace {

std::vector<TileCode> Positions(const TableState& s, int seat) {
  const HandRow& row = s.handTiles[static_cast<std::size_t>(seat)];
  return {row.begin() + 1, row.end()};
}

TEST(ArrangeHand, SortsWithRedFiveBeforeItsFiveAndEmptiesFirst) {
  TableState s;
  test::SetHand(s, 1, "5m0m4m9s1z5p0p3m");
  s.handTiles[1][14] = test::Tile("2m");
  s.handTiles[1][3] = 0;  // a tile that left for a meld
  ArrangeHand(s, false);
  EXPECT_EQ(test::Notation(Positions(s, 1)), "______3m0m5m0p5p9s1z2m");
}

TEST(ArrangeHand, WithoutRiipaiOnlyTheGapsMove) {
  TableState s;
  s.rules.value[52] = 0;
  test::SetHand(s, 2, "9s1m5p1z3m");
  s.handTiles[2][2] = 0;
  ArrangeHand(s, false);
  EXPECT_EQ(test::Notation(Positions(s, 2)), "_________9s5p1z3m_");
  ArrangeHand(s, true);  // the end-of-hand display always sorts
  EXPECT_EQ(test::Notation(Positions(s, 2)), "_________3m5p9s1z_");
}

}  // namespace
}  // namespace mj::engine
