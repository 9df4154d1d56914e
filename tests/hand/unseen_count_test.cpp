#include "hand/unseen_count.h"

#include <gtest/gtest.h>

#include "tests/hand/hand_fixture.h"

namespace mj::hand {
namespace {

// Seat 1 holds 5m (red) and 5m; seat 2 has discarded 5m; a 5m indicator is
// up. Seat 3 has a pon of 7p called from seat 4, whose river still holds it;
// seat 4 has a chi of 2-3-4s and a closed kan of 1z; seat 2 an open kan of 2z.
TableState Table() {
  TableState state;
  fixture::SetSeat(state, 1, "0m5m123p");
  state.riverTiles[2][1] = test::Tile("5m");
  state.riverCount[2] = 1;
  state.doraIndicators[1] = test::Tile("5m");
  fixture::AddPon(state, 3, "7p");
  state.riverTiles[4][1] = test::Tile("9s");
  state.riverTiles[4][2] = test::Tile("7p");
  state.riverCount[4] = 2;
  fixture::AddChi(state, 4, "234s");
  fixture::AddClosedKan(state, 4, "1z");
  fixture::AddOpenKan(state, 2, "2z");
  return state;
}

struct UnseenRow {
  const char* name;
  const char* kind;
  bool ownHandVisible;
  int unseen;
};

constexpr UnseenRow kRows[] = {
    {"own hand, river and indicator", "5m", true, 0},
    {"own hand not subtracted", "5m", false, 2},
    {"a red five asked for is its five", "0m", false, 2},
    {"a called tile counts in the meld and in the river", "7p", true, 0},
    {"a chi tile", "3s", true, 3},
    {"a closed kan", "1z", true, 0},
    {"an open kan", "2z", true, 0},
    {"untouched", "6s", true, 4},
    {"a discard", "9s", false, 3},
};

TEST(UnseenCount, FourLessWhatTheSeatCanSee) {
  const TableState state = Table();
  for (const UnseenRow& row : kRows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(UnseenCount(state, 1, test::Tile(row.kind), row.ownHandVisible), row.unseen);
  }
}

}  // namespace
}  // namespace mj::hand
