#include "engine/wall.h"

#include <gtest/gtest.h>

#include "common/random_source.h"
#include "engine/tile_text.h"
#include "engine/wall_message.h"

namespace mj::engine {
namespace {

// A wall whose index i holds a tile we can recognise: kinds cycle 1..34.
Wall CyclingWall() {
  Wall wall{};
  for (int i = 1; i <= kWallSize; ++i) wall[static_cast<std::size_t>(i)] = static_cast<TileCode>((i - 1) % 34 + 1);
  return wall;
}

TableState TableWithBreak(int breakPos, int dealer = 1) {
  TableState s;
  s.wallTiles = CyclingWall();
  s.breakPos = static_cast<std::int16_t>(breakPos);
  s.dealerSeat = static_cast<std::int16_t>(dealer);
  s.wallRemaining = 70;
  return s;
}

TEST(BuildWall, HoldsFourOfEveryKindAndTheRuleRedFives) {
  for (int reds = 0; reds <= 4; ++reds) {
    SCOPED_TRACE(reds);
    SeededRandom random(static_cast<std::uint32_t>(100 + reds));
    const Wall wall = BuildWall(random, reds);
    std::array<int, kKindCount + 1> copies{};
    int redMan = 0, redPin = 0, redSou = 0;
    for (int i = 1; i <= kWallSize; ++i) {
      const TileCode t = wall[static_cast<std::size_t>(i)];
      ASSERT_TRUE(IsValidTileCode(t)) << i;
      ++copies[static_cast<std::size_t>(TileKind(t))];
      redMan += t == kRedFiveMan;
      redPin += t == kRedFivePin;
      redSou += t == kRedFiveSou;
    }
    for (int k = 1; k <= kKindCount; ++k) EXPECT_EQ(copies[static_cast<std::size_t>(k)], 4) << k;
    EXPECT_EQ(redMan, reds);
    EXPECT_EQ(redPin, reds);
    EXPECT_EQ(redSou, reds);
  }
}

// Any change to the random mapping or to the building steps shows here.
TEST(BuildWall, GoldenWallForSeedOne) {
  SeededRandom random(1);
  const std::string golden =
      "H01,09,11,73,19,19,14,23,16,20,31,33,25,09,17,16,09,08,16,34,02,34,01,25,11,18,15,25,26,14,06,05,07"
      ",29,05,16,28,32,07,30,32,03,18,20,27,04,10,33,22,11,12,24,34,24,15,12,18,24,29,17,22,21,30,27,11,31"
      ",07,21,12,19,26,05,08,13,06,03,34,02,13,03,28,14,04,06,31,28,13,23,02,23,20,15,12,21,10,04,08,19,04"
      ",15,30,18,27,32,07,13,10,31,30,64,01,02,32,09,22,06,28,29,33,03,10,17,29,22,01,27,26,20,21,55,33,24"
      ",08,17,26,25,001";
  EXPECT_EQ(FormatWallMessage(BuildWall(random, 1), 1), golden);
}

TEST(Dice, BreakIsAnOddIndexOnTheCountedSide) {
  SeededRandom random(5);
  for (int dealer = 1; dealer <= 4; ++dealer) {
    for (int n = 0; n < 200; ++n) {
      TableState s;
      s.dealerSeat = static_cast<std::int16_t>(dealer);
      ThrowDice(s, random);
      ASSERT_EQ(s.breakPos % 2, 1);
      const int wallSeat = (s.diceSeat - 1 + s.dice2 - 1) % 4 + 1;
      ASSERT_EQ(s.breakPos, SideStart(wallSeat) + 2 * s.dice2);
      ASSERT_EQ(s.diceSeat, (dealer - 1 + s.dice1 - 1) % 4 + 1);
    }
  }
}

TEST(DealHands, DealsFoursThenOnesFromTheBreakAndWraps) {
  TableState s = TableWithBreak(125, 2);
  DealHands(s);
  EXPECT_EQ(s.nextDrawPos, 41);
  EXPECT_EQ(s.turnStep, 3);  // the dealer (seat 2) draws first
  // Dealer takes 125-128, seat 3 129-132, seat 4 133-136, seat 1 wraps to 1-4.
  EXPECT_EQ(s.handTiles[2][1], s.wallTiles[125]);
  EXPECT_EQ(s.handTiles[4][4], s.wallTiles[136]);
  EXPECT_EQ(s.handTiles[1][1], s.wallTiles[1]);
  EXPECT_EQ(s.handTiles[2][13], s.wallTiles[WallOffset(125, 48)]);
  EXPECT_EQ(s.handTiles[1][13], s.wallTiles[WallOffset(125, 51)]);
  EXPECT_EQ(s.handTiles[1][14], 0);
}

TEST(DeadWall, IndicatorsAndReplacementsCountDownFromTheBreak) {
  TableState s = TableWithBreak(5);
  EXPECT_EQ(DoraIndicatorPos(5, 1), 135);
  EXPECT_EQ(DoraIndicatorPos(5, 5), 127);
  ASSERT_EQ(FlipDoraIndicator(s), 1);
  EXPECT_EQ(s.doraIndicators[1], s.wallTiles[135]);
  EXPECT_EQ(s.uraIndicators[1], s.wallTiles[136]);
  EXPECT_EQ(s.uraIndicatorPos[1], 136);
  EXPECT_EQ(ReplacementTilePos(s), 3);  // first kan: breakPos - 2

  s.closedKanKinds[1][1] = 7;
  const ReplacementDraw draw = DrawReplacementTile(s, 1, false);
  EXPECT_EQ(draw.outcome, ReplacementOutcome::Drawn);
  EXPECT_EQ(s.handTiles[1][14], s.wallTiles[3]);
  EXPECT_EQ(s.wallRemaining, 69);  // rule 17 = 1
}

TEST(DeadWall, ReplacementTilesFollowOneKanAfterAnother) {
  // Order below the break: -2, -1, -4, -3, whether or not kan dora are flipped.
  for (int rule19 : {0, 1}) {
    SCOPED_TRACE(rule19);
    TableState s = TableWithBreak(41);
    s.rules.value[19] = static_cast<std::int16_t>(rule19);
    FlipDoraIndicator(s);
    const int expected[] = {39, 40, 37, 38};
    for (int kan = 1; kan <= 4; ++kan) {
      s.closedKanKinds[1][static_cast<std::size_t>(kan)] = static_cast<TileCode>(kan);
      s.pendingKanDora = 1;
      DrawReplacementTile(s, 1, false);
      EXPECT_EQ(s.handTiles[1][14], s.wallTiles[static_cast<std::size_t>(expected[kan - 1])]) << kan;
      EXPECT_EQ(s.doraIndicators[static_cast<std::size_t>(kan + 1)] != 0, rule19 == 1) << kan;
    }
  }
}

TEST(DeadWall, TwoIndicatorsAtStartAndTheFourthKanAborts) {
  TableState s = TableWithBreak(41);
  s.rules.value[55] = 1;
  FlipDoraIndicator(s);
  const ReplacementDraw second = DrawReplacementTile(s, 1, true);
  EXPECT_EQ(second.outcome, ReplacementOutcome::IndicatorOnly);
  EXPECT_EQ(second.flippedSlot, 2);
  EXPECT_EQ(s.wallRemaining, 69);
  EXPECT_EQ(s.handTiles[1][14], 0);
  s.closedKanKinds[2][1] = 1;
  EXPECT_EQ(ReplacementTilePos(s), 40);  // breakPos - 1; -2 is never used
  s.closedKanKinds[2][2] = 2;
  s.closedKanKinds[2][3] = 3;
  s.closedKanKinds[2][4] = 4;
  EXPECT_EQ(DrawReplacementTile(s, 2, false).outcome, ReplacementOutcome::FourKanAbort);
  EXPECT_TRUE(s.fourKanAbort);
}

TEST(DeadWall, FourKansAbortUnlessOneSeatHoldsAll) {
  TableState s = TableWithBreak(41);
  s.closedKanKinds[1] = {0, 1, 2, 3, 4};
  EXPECT_EQ(DrawReplacementTile(s, 1, false).outcome, ReplacementOutcome::Drawn);
  s.closedKanKinds[1][4] = 0;
  s.openKanKinds[3][1] = 4;
  EXPECT_EQ(DrawReplacementTile(s, 3, false).outcome, ReplacementOutcome::FourKanAbort);
}

TEST(NextDoraKind, FollowsEachCycleUnderNextOnly) {
  RuleSet rules = RuleSet::Defaults();
  struct Row {
    TileCode indicator, dora;
  };
  const Row rows[] = {{1, 2},  {9, 1},   {18, 10}, {27, 19}, {28, 29}, {31, 28},
                      {32, 33}, {34, 32}, {55, 6},  {64, 15}, {73, 24}, {14, 15}};
  for (const Row& r : rows) EXPECT_EQ(NextDoraKind(r.indicator, rules), r.dora) << r.indicator;
  rules.value[4] = 1;  // 現物: scoring counts the indicator itself
  EXPECT_EQ(NextDoraKind(5, rules), 0);
}

TEST(TileText, WritesTheRecordNotation) {
  EXPECT_EQ(TileText(1), "1m");
  EXPECT_EQ(TileText(18), "9p");
  EXPECT_EQ(TileText(19), "1s");
  EXPECT_EQ(TileText(28), "東");
  EXPECT_EQ(TileText(34), "中");
  EXPECT_EQ(TileText(55), "5M");
  EXPECT_EQ(TileText(64), "5P");
  EXPECT_EQ(TileText(73), "5S");
  EXPECT_EQ(TileText(0), "");
}

}  // namespace
}  // namespace mj::engine
