#include "hand/win_check.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "tests/hand/hand_fixture.h"

namespace mj::hand {
namespace {

// Stands in for the yaku evaluation: records who was asked about which tile
// and answers with the list its script gives.
class ScriptedEvaluator final : public WinEvaluator {
 public:
  struct Call {
    int seat;
    int winKind;
    TileCode tile;
    bool outputsCleared;
  };
  using Script = std::function<YakuRow(const TableState&, int seat, TileCode tile)>;

  explicit ScriptedEvaluator(Script script) : script_(std::move(script)) {}

  bool EvaluateWin(TableState& state, int seat, int winKind) override {
    const std::size_t s = fixture::At(seat);
    const TileCode tile = state.handTiles[s][kDrawnPosition];
    calls.push_back({seat, winKind, tile,
                     state.yakuList[s][0] == 0 && state.doraCount[s] == 0 && !state.manganYakuFlags[s][3] &&
                         state.yakuLines[s][0] == YakuLine()});
    state.yakuList[s] = script_(state, seat, tile);
    state.doraCount[s] = 1;
    state.yakuLines[s][0] = YakuLine("役");
    return state.yakuList[s][0] != 0;
  }

  std::vector<Call> calls;

 private:
  Script script_;
};

ScriptedEvaluator::Script Always(YakuRow row) {
  return [row](const TableState&, int, TileCode) { return row; };
}

// Seat 1 discards 6p; seat 3 waits on 3p-6p; seats 2 and 4 hold nothing.
TableState RonTable() {
  TableState state;
  state.currentSeat = 1;
  state.riverTiles[1][1] = test::Tile("6p");
  state.riverCount[1] = 1;
  test::SetHand(state, 2, "19m19p19s1234z567z");
  test::SetHand(state, 3, "45p456m789m11122z");
  test::SetHand(state, 4, "1357m2468p1357s1z");
  for (int seat = 1; seat <= 4; ++seat) state.players[fixture::At(seat)].isCpu = seat != 1;
  return state;
}

TEST(CheckWins, RonOnTheDiscardSetsCanRonAndTheWinningTile) {
  TableState state = RonTable();
  ScriptedEvaluator evaluator(Always({2, 1006}));
  EXPECT_TRUE(CheckWins(state, kCheckRon, evaluator));
  EXPECT_TRUE(state.canRon[3]);
  EXPECT_FALSE(state.canRon[2]);
  EXPECT_EQ(state.winningTile, test::Tile("6p"));
  EXPECT_EQ(state.yakuList[3], (YakuRow{2, 6})) << "the not-fixed mark is stripped";
  ASSERT_EQ(evaluator.calls.size(), 1u) << "only complete hands are evaluated";
  EXPECT_EQ(evaluator.calls[0].winKind, kRonWin);
  EXPECT_TRUE(evaluator.calls[0].outputsCleared);
  for (int seat = 1; seat <= 4; ++seat) EXPECT_EQ(state.handTiles[fixture::At(seat)][kDrawnPosition], kNoTile);
}

TEST(CheckWins, FuritenRonIsDroppedByACpuAndKeptAsAChomboByAHuman) {
  for (const bool cpu : {true, false}) {
    SCOPED_TRACE(cpu ? "cpu" : "human");
    TableState state = RonTable();
    state.players[3].isCpu = cpu;
    state.riverTiles[3][1] = test::Tile("3p");
    state.riverCount[3] = 1;
    ScriptedEvaluator evaluator(Always({2}));
    EXPECT_EQ(CheckWins(state, kCheckRon, evaluator), !cpu);
    EXPECT_EQ(state.canRon[3], !cpu);
    EXPECT_EQ(state.yakuList[3], cpu ? YakuRow{} : YakuRow{kFuritenCode});
    EXPECT_EQ(state.handTiles[3][kDrawnPosition], kNoTile);
  }
}

TEST(CheckWins, SeatsAfterTheDiscarderInTurnOrderAndEveryWinner) {
  TableState state;
  state.currentSeat = 3;
  state.riverTiles[3][1] = test::Tile("1z");
  state.riverCount[3] = 1;
  for (int seat : {4, 1, 2}) test::SetHand(state, seat, "123m456p789s234s1z");
  ScriptedEvaluator evaluator(Always({6}));
  EXPECT_TRUE(CheckWins(state, kCheckRon, evaluator));
  ASSERT_EQ(evaluator.calls.size(), 3u);
  EXPECT_EQ(evaluator.calls[0].seat, 4);
  EXPECT_EQ(evaluator.calls[1].seat, 1);
  EXPECT_EQ(evaluator.calls[2].seat, 2);
  EXPECT_TRUE(state.canRon[4] && state.canRon[1] && state.canRon[2]);
}

TEST(CheckWins, RobbingAKanTriesTheAddedTile) {
  TableState state = RonTable();
  state.riverTiles[1][1] = test::Tile("9s");
  state.robbingKan = true;
  state.robbedKanTile = test::Tile("3p");
  ScriptedEvaluator evaluator(Always({11}));
  EXPECT_TRUE(CheckWins(state, kCheckRon, evaluator));
  ASSERT_EQ(evaluator.calls.size(), 1u);
  EXPECT_EQ(evaluator.calls[0].tile, test::Tile("3p"));
  EXPECT_EQ(state.winningTile, test::Tile("3p"));
}

TEST(CheckWins, NoValidWinNoClaim) {
  TableState state = RonTable();
  ScriptedEvaluator evaluator(Always({}));
  EXPECT_FALSE(CheckWins(state, kCheckRon, evaluator));
  EXPECT_FALSE(state.canRon[3]);
}

// 先付けなし: a yaku only when the winning tile is not a terminal, so the 1m
// side of a 1m-4m wait has none.
YakuRow TanyaoUnlessTerminal(const TableState&, int, TileCode tile) {
  return IsTerminalOrHonor(TileKind(tile)) ? YakuRow{50} : YakuRow{5};
}

TEST(CheckWins, WithoutAFixedYakuOnEveryWaitTheSeatMayNotRon) {
  for (const int rule8 : {0, 1}) {
    SCOPED_TRACE(rule8);
    TableState state;
    state.rules.value[8] = static_cast<std::int16_t>(rule8);
    state.currentSeat = 1;
    state.riverTiles[1][1] = test::Tile("4m");
    state.riverCount[1] = 1;
    fixture::SetSeat(state, 2, "23m456p678s55p", "chi 678m");
    ScriptedEvaluator evaluator(TanyaoUnlessTerminal);
    EXPECT_EQ(CheckWins(state, kCheckRon, evaluator), rule8 == 0);
    EXPECT_EQ(state.canRon[2], rule8 == 0);
    EXPECT_EQ(state.handTiles[2][kDrawnPosition], kNoTile);
    if (rule8 == 1) {
      ASSERT_GE(evaluator.calls.size(), 1u);
      EXPECT_EQ(evaluator.calls[0].tile, test::Tile("1m")) << "the pre-check tries each wait";
      EXPECT_TRUE(evaluator.calls[0].outputsCleared);
    }
  }
}

TEST(CheckWins, WithAFixedYakuOnEveryWaitTheSeatMayRon) {
  TableState state;
  state.rules.value[8] = 1;
  state.currentSeat = 1;
  state.riverTiles[1][1] = test::Tile("6m");
  state.riverCount[1] = 1;
  fixture::SetSeat(state, 2, "45m456p678s55p", "chi 678m");
  ScriptedEvaluator evaluator(TanyaoUnlessTerminal);
  EXPECT_TRUE(CheckWins(state, kCheckRon, evaluator));
  EXPECT_EQ(evaluator.calls.size(), 3u) << "3m and 6m, then the tile itself";
  EXPECT_EQ(evaluator.calls.back().tile, test::Tile("6m"));
  EXPECT_EQ(state.yakuList[2], (YakuRow{5}));
  EXPECT_EQ(state.doraCount[2], 1) << "the pre-check leaves nothing behind";
}

TEST(CheckWins, TsumoOnTheDrawnTileIgnoresFuriten) {
  TableState state;
  state.currentSeat = 2;
  test::SetHand(state, 2, "23m456p789s11122z4m");
  state.missedWinFuriten[2] = true;
  state.yakuList[3] = {1};
  ScriptedEvaluator evaluator(Always({1, 1015}));
  EXPECT_TRUE(CheckWins(state, kCheckTsumo, evaluator));
  EXPECT_TRUE(state.canRon[2]);
  EXPECT_EQ(state.winningTile, test::Tile("4m"));
  EXPECT_EQ(state.yakuList[2], (YakuRow{1, 15}));
  EXPECT_EQ(state.yakuList[3], YakuRow{}) << "every seat's outputs are emptied first";
  ASSERT_EQ(evaluator.calls.size(), 1u);
  EXPECT_EQ(evaluator.calls[0].winKind, kTsumoWin);
}

TEST(CheckWins, TsumoWithoutAFixedListUnderRule8IsNoWin) {
  TableState state;
  state.rules.value[8] = 1;
  state.currentSeat = 2;
  test::SetHand(state, 2, "23m456p789s11122z4m");
  ScriptedEvaluator evaluator(Always({1015, 50}));
  EXPECT_FALSE(CheckWins(state, kCheckTsumo, evaluator));
  EXPECT_FALSE(state.canRon[2]);
}

struct FixedRow {
  const char* name;
  YakuRow list;
  int manganFlag;  // set, 0 for none
  bool fixed;
};

const FixedRow kFixedRows[] = {
    {"an ordinary yaku", {6}, 0, true},
    {"the last tile only", {8}, 0, false},
    {"river bottom and dora", {9, 50}, 0, false},
    {"replacement tile, robbed kan, dora, local variants", {10, 11, 102, 113, 51, 52}, 0, false},
    {"not fixed before the winning tile", {1006}, 0, false},
    {"one fixed beside one not", {1031, 2}, 0, true},
    {"empty", {}, 0, false},
    {"a mangan yaku that stands alone", {}, 3, true},
    {"人和 as a mangan", {50}, 9, true},
    {"other mangan flags do not", {}, 1, false},
};

TEST(IsFixedYakuList, OneYakuThatNeedsNothingFromTheWinningTile) {
  for (const FixedRow& row : kFixedRows) {
    SCOPED_TRACE(row.name);
    TableState state;
    state.yakuList[2] = row.list;
    if (row.manganFlag != 0) state.manganYakuFlags[2][fixture::At(row.manganFlag)] = true;
    EXPECT_EQ(IsFixedYakuList(state, 2), row.fixed);
  }
}

}  // namespace
}  // namespace mj::hand
