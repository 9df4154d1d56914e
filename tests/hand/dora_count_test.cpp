#include "hand/dora_count.h"

#include <gtest/gtest.h>

#include "hand/win_evaluation.h"
#include "tests/hand/win_fixture.h"

namespace mj::hand {
namespace {

TEST(DoraKindOf, NextKindCyclesWithinEachGroup) {
  struct Row {
    const char* indicator;
    const char* dora;
  };
  const Row rows[] = {{"1m", "2m"}, {"9m", "1m"}, {"9p", "1p"}, {"9s", "1s"}, {"0m", "6m"}, {"0s", "6s"},
                      {"1z", "2z"}, {"4z", "1z"}, {"5z", "6z"}, {"7z", "5z"}};
  RuleSet rules = RuleSet::Defaults();
  for (const Row& row : rows) {
    SCOPED_TRACE(row.indicator);
    EXPECT_EQ(DoraKindOf(test::Tile(row.indicator), rules), test::Tile(row.dora));
  }
  rules.value[4] = 1;  // 現物: the indicator is the dora
  EXPECT_EQ(DoraKindOf(test::Tile("9m"), rules), test::Tile("9m"));
  EXPECT_EQ(DoraKindOf(test::Tile("0p"), rules), test::Tile("5p"));
}

struct DoraCase {
  const char* name;
  test::HandCase hand;
  const char* expected;
  int dora, ura, red;
};

// A riichi pinfu hand unless the row says otherwise.
constexpr DoraCase kCases[] = {
    {"two dora on the pair", {"234m567p345s11p67s8s", "", "riichi dora=9p"}, "2 4 50", 2, 0, 0},
    {"ura for a riichi hand", {"234m567p345s11p67s8s", "", "riichi dora=9p ura=1m"}, "2 4 50 51", 2, 1, 0},
    {"no ura without riichi", {"234m567p345s11p67s8s", "", "dora=9p ura=1m"}, "4 50", 2, 0, 0},
    {"every indicator counts", {"234m567p345s11p67s8s", "", "riichi dora=9p9p"}, "2 4 50", 4, 0, 0},
    {"red fives in the hand", {"234m067p345s11p67s8s", "", "riichi"}, "2 4 52", 0, 0, 1},
    {"red five shown in a meld", {"567p345s22p67s8s", "c340m", ""}, "5 52", 0, 0, 1},
    {"a kan of the dora counts four", {"234m567p11p67s8s", "a5555s", "riichi dora=4s"}, "2 50", 4, 0, 0},
};

TEST(CountDora, DoraUraAndRedFivesEnterTheList) {
  for (const DoraCase& c : kCases) {
    SCOPED_TRACE(c.name);
    TableState state;
    state.rules.value[14] = 1;  // the open row needs kuitan to have a yaku besides dora
    test::EvaluateCase(state, c.hand);
    EXPECT_EQ(test::YakuListText(test::YakuListOf(state)), c.expected);
    EXPECT_EQ(state.doraCount[1], c.dora);
    EXPECT_EQ(state.uraCount[1], c.ura);
    EXPECT_EQ(state.redCount[1], c.red);
  }
}

// A kan dora waiting for the kan player's discard is read from its dead-wall
// position (indicator 2 at breakPos - 8, its ura one above) for the count only.
TEST(CountDora, PendingKanDoraCountsUnlessTheKanIsRobbed) {
  struct Row {
    const char* name;
    const char* words;
    const char* rules;
    int dora;
    int ura;
  };
  const Row rows[] = {
      {"counted with its ura", "riichi", "", 3, 1},
      {"not when robbing the kan", "riichi chankan", "", 1, 0},
      {"not under rule 19 = 0", "riichi", "19=0", 1, 0},
      {"no ura under rule 18 = 0", "riichi", "18=0", 3, 0},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    TableState state;
    WinSituation w = test::Prepare(state, {"234m567p345s11p67s8s", "", row.words, row.rules});
    w.doraIndicators = test::Tiles("1m");  // 2m: one in hand
    test::SetUpWinTable(state, w);
    state.breakPos = 5;
    state.pendingKanDora = 1;
    state.wallTiles[WallOffset(5, -8)] = test::Tile("9p");    // 1p: the pair
    state.wallTiles[WallOffset(5, -7)] = test::Tile("4s");    // 5s: one in hand
    EvaluateWin(state, 1, kRonWin);
    EXPECT_EQ(state.doraCount[1], row.dora);
    EXPECT_EQ(state.uraCount[1], row.ura);
    EXPECT_EQ(state.doraIndicators[2], kNoTile) << "the pending indicator stays unflipped";
  }
}

}  // namespace
}  // namespace mj::hand
