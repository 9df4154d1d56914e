#include "engine/riichi.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "hand/yaku_codes.h"
#include "tests/engine/riichi_fixtures.h"

namespace mj::engine {
namespace {

using mj::test::AddToRiver;
using mj::test::Seat2Drew;
using mj::test::Tile;

TEST(Riichi, TheStakeIsPaidAndTakenBack) {
  TableState s = Seat2Drew();
  s.players[2].score = Money::FromPoints(500);  // a stake may take the score below zero
  s.depositSticks = 1;
  PayRiichiStake(s, 2);
  EXPECT_EQ(s.players[2].score, Money::FromPoints(-500));
  EXPECT_EQ(s.depositSticks, 2);
  EXPECT_TRUE(RiichiDeclarationPending(s, 2));
  EXPECT_FALSE(RiichiDeclarationPending(s, 1));
  s.openRiichi[2] = true;
  ReturnRiichiStake(s, 2);
  EXPECT_EQ(s.players[2].score, Money::FromPoints(500));
  EXPECT_EQ(s.depositSticks, 1);
  EXPECT_FALSE(RiichiDeclarationPending(s, 2));
  EXPECT_FALSE(s.openRiichi[2]);
}

// Seat 2 discards its declaring tile: the river grows, then the riichi is fixed.
void DiscardDeclaringTile(TableState& s, std::string_view tile) {
  s.handTiles[2][kDrawnPosition] = 0;
  AddToRiver(s, 2, tile);
  FixRiichi(s, 2);
}

TEST(Riichi, DoubleRiichiOnlyOnTheFirstDiscardWithNoCallAndNoOwnKan) {
  struct Row {
    const char* name;
    std::function<void(TableState&)> before;
    bool doubleRiichi;
  };
  const Row rows[] = {
      {"first discard", [](TableState&) {}, true},
      {"first discard after another seat's call", [](TableState& s) { s.hasCalled[4] = true; }, false},
      {"first discard after the seat's concealed kan", [](TableState& s) { s.closedKanKinds[2][1] = Tile("1z"); }, false},
      {"second discard", [](TableState& s) { AddToRiver(s, 2, "1z"); }, false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    TableState s = Seat2Drew();
    row.before(s);
    s.riichiJustDeclared = true;
    DiscardDeclaringTile(s, "9p");
    EXPECT_EQ(s.doubleRiichi[2], row.doubleRiichi);
    EXPECT_EQ(s.riichiTurn[2], s.riverCount[2]);
    EXPECT_TRUE(s.ippatsu[2]);
    EXPECT_TRUE(s.riichiStakePending[2]);
    EXPECT_FALSE(s.riichiJustDeclared);
  }
}

TEST(Riichi, TheRiichiEntryIsRecorded) {
  TableState s = Seat2Drew();
  s.recordEnabled = true;
  s.riichiJustDeclared = true;
  DiscardDeclaringTile(s, "9p");
  EXPECT_EQ(s.recordLines, std::vector<std::string>{"2R"});
}

std::vector<TileCode> SafeTiles(const TableState& s) {
  std::vector<TileCode> kinds;
  for (std::size_t i = 1; i < s.riichiSafeTiles.size() && s.riichiSafeTiles[i] != 0; ++i) kinds.push_back(s.riichiSafeTiles[i]);
  return kinds;
}

TEST(Riichi, SafeTilesAreRebuiltAgainstEverySeatInRiichi) {
  TableState s = Seat2Drew();
  AddToRiver(s, 2, "1z5s0p1z");
  s.riichiJustDeclared = true;
  DiscardDeclaringTile(s, "9p");
  // The declarer's own river, red fives folded, each kind once.
  EXPECT_EQ(SafeTiles(s), mj::test::Tiles("1z5s5p9p"));

  // Seat 3 declares later: only kinds safe against seat 2 as well stay.
  AddRiichiSafeTile(s, Tile("2z"));
  AddRiichiSafeTile(s, Tile("0s"));
  s.currentSeat = 3;
  AddToRiver(s, 3, "7m2z5s");
  FixRiichi(s, 3);
  EXPECT_EQ(SafeTiles(s), mj::test::Tiles("2z5s"));
}

TEST(Riichi, LastCopyWinIsMarkedWhenTheOnlyWaitHasOneCopyLeft) {
  struct Row {
    const char* name;
    bool yakuOn;
    const char* seenElsewhere;  // 5p seen in seat 3's river
    bool marked;
  };
  const Row rows[] = {
      {"two copies seen elsewhere", true, "5p5p", true},
      {"one copy seen elsewhere", true, "5p", false},
      {"local yaku off", false, "5p5p", false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    TableState s = Seat2Drew();
    s.rules.SetLocalYaku(hand::yaku::kZetchou, row.yakuOn ? 1 : 0);
    AddToRiver(s, 3, row.seenElsewhere);
    s.riichiJustDeclared = true;
    DiscardDeclaringTile(s, "9p");  // waits on 5p alone; one 5p is in the seat's own hand
    EXPECT_EQ(s.lastCopyWin[2], row.marked);
  }
}

}  // namespace
}  // namespace mj::engine
