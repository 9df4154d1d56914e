#include "engine/tile_selection.h"

#include <gtest/gtest.h>

#include "engine/call_options.h"
#include "tests/engine/call_fixtures.h"

namespace mj::engine {
namespace {

using mj::test::Tile;

// Seat 4 threw 5m; seat 1 holds 3m4m6m7m and chooses among three chi options.
TableState ChiChoice() {
  TableState s = mj::test::TableWithDiscard(4, "5m");
  mj::test::SetHand(s, 1, "3m4m4m6m7m1p2p3p1s2s3s1z1z");
  FindCallOptions(s, 1, Tile("5m"), true);
  s.chiSelecting = 1;
  return s;
}

struct Row {
  const char* name;
  int position;
  int option;
  std::vector<int> raised;
};

template <std::size_t N>
void ExpectRows(const TableState& s, const Row (&rows)[N]) {
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(SelectionOptionAt(s, row.position), row.option);
    EXPECT_EQ(RaisedPositions(s, row.position), row.raised);
  }
}

TEST(TileSelection, AChiTileRaisesTheTilesItsOptionTakes) {
  const TableState s = ChiChoice();
  ASSERT_EQ(s.chiOptionCount[1], 3);  // 34, 46, 67
  const Row rows[] = {
      {"3m: the first option", 1, 1, {1, 2}},
      {"the first 4m: the first option", 2, 1, {1, 2}},
      {"the second 4m stands for its kind", 3, 1, {1, 3}},
      {"6m: the second option", 4, 2, {2, 4}},
      {"7m: the third option", 5, 3, {4, 5}},
      {"1p: no option", 6, 0, {}},
      {"an empty position", 14, 0, {}},
      {"outside the hand", 0, 0, {}},
  };
  ExpectRows(s, rows);
}

TEST(TileSelection, AKanTileRaisesEveryTileOfItsKind) {
  TableState s = mj::test::TableOnOwnTurn(1, "1m1m1m9p9p9p9p5m8m2s5s8s1z", "1m");
  FindCallOptions(s, 1, Tile("1m"), false);
  s.kanSelecting = 1;
  ASSERT_EQ(s.kanOptionCount[1], 2);
  const Row rows[] = {
      {"a 1m, the drawn one among them", 2, 1, {1, 2, 3, 14}},
      {"a 9p", 7, 2, {4, 5, 6, 7}},
      {"5m: no option", 8, 0, {}},
  };
  ExpectRows(s, rows);
}

TEST(TileSelection, NothingIsRaisedWithoutASelection) {
  TableState s = ChiChoice();
  s.chiSelecting = 2;  // chosen
  EXPECT_FALSE(SelectionOpen(s));
  EXPECT_EQ(SelectionOptionAt(s, 1), 0);
  EXPECT_TRUE(RaisedPositions(s, 1).empty());
}

}  // namespace
}  // namespace mj::engine
