#include "hand/tile_counts.h"

#include <gtest/gtest.h>

#include "tests/support/tile_notation.h"

namespace mj::hand {
namespace {

TEST(TileCounts, FoldsRedFivesAndCountsEveryKanAsThree) {
  TableState state;
  test::SetHand(state, 2, "0m5m67p");
  state.chiTiles[2][1] = 13;  // 4p
  state.chiTiles[2][2] = 64;  // red 5p
  state.chiTiles[2][3] = 15;
  state.ponKinds[2][1] = 28;
  state.openKanKinds[2][2] = 73;
  state.closedKanKinds[2][1] = 34;
  const TileCounts counts = BuildTileCounts(state, 2);
  EXPECT_EQ(counts[5], 2);
  EXPECT_EQ(counts[14], 1);
  EXPECT_EQ(counts[13], 1);
  EXPECT_EQ(counts[15], 2);
  EXPECT_EQ(counts[16], 1);
  EXPECT_EQ(counts[28], 3);
  EXPECT_EQ(counts[23], 3);
  EXPECT_EQ(counts[34], 3);
  EXPECT_EQ(TotalTiles(counts), 16);
  EXPECT_EQ(MeldCount(state, 2), 4);
  EXPECT_EQ(TotalTiles(ConcealedCounts(state, 2)), 4);
}

TEST(TileCounts, ConcealedRangeSetsTheDrawnTileAside) {
  TableState state;
  test::SetHand(state, 1, "123456789m1234p5p");
  EXPECT_EQ(TotalTiles(ConcealedCounts(state, 1, 1, 13)), 13);
  EXPECT_EQ(ConcealedCounts(state, 1, 1, 13)[14], 0);
  EXPECT_EQ(ConcealedCounts(state, 1)[14], 1);
}

}  // namespace
}  // namespace mj::hand
