#include "hand/fixed_yaku.h"

#include <gtest/gtest.h>

#include "hand/win_check.h"
#include "hand/win_evaluation.h"
#include "tests/hand/win_fixture.h"

namespace mj::hand {
namespace {

// Under 先付けなし an open hand stores a yaku that some completing tile would
// not give as code + 1000; closed hands and rule 8 = 0 never mark.
constexpr test::YakuExpectation kCases[] = {
    {"called white dragon", {"234m67p55s666s8p", "p555z", "", "8=1"}, "6", true},
    {"white dragon on a shanpon with 5s", {"234m67p8p55s55z5z", "c678s", "", "8=1"}, "1006", true},
    {"the same with 先付けあり", {"234m67p8p55s55z5z", "c678s", "", "8=0"}, "6", true},
    {"closed shanpon", {"234m678p678s55s55z5z", "", "", "8=1"}, "6", true},
    {"two dragon pairs: either wait is a value triplet", {"234m678p66z55z5z", "c678s", "", "8=1"}, "6", true},
    {"big dragons completed by the winning tile stand on the value triplets", {"23m4m55m77z7z", "p555z p666z", "", "8=1"}, "31", true},
    {"little dragons whichever dragon or 5m completes", {"678p55m77z5m", "p555z p666z", "", "8=1"}, "19 6", true},
    {"sanshoku only for one of the waits", {"22234m99s2m", "c234p c234s", "", "8=1"}, "1014", true},
    {"the other wait has none", {"22234m99s5m", "c234p c234s", "", "8=1"}, "", false},
    {"junchan is not among the marked yaku", {"11123m99s1m", "c123p c123s", "", "8=1"}, "23 1014", true},
    {"ittsu already in hand", {"789m55p67p8p", "c123m c456m", "", "8=1"}, "15", true},
    {"ittsu made by an edge tile", {"78m55p678p9m", "c123m c456m", "", "8=1"}, "1015", true},
    {"three kans are always fixed", {"234p7z7z", "k1111m k9999p a5555s", "", "8=1"}, "22", true},
    {"three colour triplets on a shanpon", {"22s55p678s2s", "p222m k2222p", "", "8=1"}, "1021", true},
};

TEST(FixedYaku, MarksYakuThatDependOnTheWinningTile) {
  for (const test::YakuExpectation& c : kCases) test::ExpectYaku(c);
}

// The win check refuses an open 完先 hand whose only yaku came with the
// winning tile, and accepts it when a fixed one is there.
TEST(FixedYaku, WinCheckRefusesAListWithoutAFixedYaku) {
  struct Row {
    const char* name;
    const char* hand;
    const char* melds;
    bool tsumo;
    bool accepted;
  };
  const Row rows[] = {
      {"ron on the dragon of a shanpon", "234m67p8p55s55z5z", "c678s", false, false},
      {"tsumo on the dragon of a shanpon", "234m67p8p55s55z5z", "c678s", true, false},
      {"called dragon", "234m67p55s666s8p", "p555z", false, true},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    TableState state;
    state.rules.value[8] = 1;
    WinSituation w = test::WinHand(row.hand, row.melds);
    w.tsumo = row.tsumo;
    test::SetUpWinTable(state, w);
    if (!row.tsumo) {
      const std::size_t d = static_cast<std::size_t>(state.currentSeat);
      state.riverTiles[d][1] = w.winningTile;
      state.riverCount[d] = 1;
      state.handTiles[1][kDrawnPosition] = kNoTile;
    }
    StandardWinEvaluator evaluator;
    EXPECT_EQ(CheckWins(state, row.tsumo ? kCheckTsumo : kCheckRon, evaluator), row.accepted);
    EXPECT_EQ(state.canRon[1], row.accepted);
  }
}

TEST(FixedYaku, LeavesTheDecompositionAndTheWinningTileAsTheyWere) {
  TableState state;
  state.rules.value[8] = 1;
  test::SetUpWinTable(state, test::WinHand("22234m99s2m", "c234p c234s"));
  ASSERT_TRUE(EvaluateWin(state, 1, kRonWin));
  const DecompSets sets = state.decompSets;
  const TileCode pair = state.decompPair;
  FixedYakuTest test(state, 1);
  EXPECT_FALSE(test.IsFixed(14));
  EXPECT_TRUE(test.IsFixed(22));
  EXPECT_EQ(state.decompSets, sets);
  EXPECT_EQ(state.decompPair, pair);
  EXPECT_EQ(state.handTiles[1][kDrawnPosition], test::Tile("2m"));
}

}  // namespace
}  // namespace mj::hand
