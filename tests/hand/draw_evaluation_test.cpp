#include "hand/draw_evaluation.h"

#include <gtest/gtest.h>

#include "hand/win_evaluation.h"
#include "hand/yaku_codes.h"
#include "tests/support/tile_notation.h"

namespace mj::hand {
namespace {

constexpr const char* kDeadHand = "2m5m8m2p5p8p2s5s8s3m6m3p6p";

TableState FirstDiscards(const char* tiles) {
  TableState s;
  const std::vector<TileCode> discards = test::Tiles(tiles);
  for (int seat = 1; seat <= 4; ++seat) {
    s.riverTiles[static_cast<std::size_t>(seat)][1] = discards[static_cast<std::size_t>(seat - 1)];
    s.riverCount[static_cast<std::size_t>(seat)] = 1;
  }
  return s;
}

TEST(FourWinds, SameWindFourTimesOnTheFirstDiscards) {
  struct Row {
    const char* name;
    const char* discards;
    bool doubleRiichi;
    int rule54;
    bool abort;
  };
  const Row rows[] = {
      {"four 東", "1z1z1z1z", false, 0, true},
      {"four 北", "4z4z4z4z", false, 0, true},
      {"one differs", "1z1z2z1z", false, 0, false},
      {"four dragons are not winds", "5z5z5z5z", false, 0, false},
      {"a double riichi goes on under rule 54 = 0", "1z1z1z1z", true, 0, false},
      {"a double riichi ends too under rule 54 = 1", "1z1z1z1z", true, 1, true},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    TableState s = FirstDiscards(r.discards);
    s.rules.value[54] = static_cast<std::int16_t>(r.rule54);
    if (r.doubleRiichi) {
      s.riichiTurn[2] = 1;
      s.doubleRiichi[2] = true;
    }
    EXPECT_EQ(IsFourWindsAbort(s), r.abort);
  }
  TableState second = FirstDiscards("1z1z1z1z");
  second.riverTiles[3][2] = test::Tile("1z");
  second.riverCount[3] = 2;
  EXPECT_FALSE(IsFourWindsAbort(second));
}

TEST(EvaluateDraw, TenpaiByShapeOrByYakuUnderRule11) {
  StandardWinEvaluator evaluator;
  for (int rule11 : {0, 1}) {
    SCOPED_TRACE(rule11);
    TableState s;
    s.rules.value[11] = static_cast<std::int16_t>(rule11);
    s.wallRemaining = -1;
    for (int seat = 1; seat <= 4; ++seat) s.players[static_cast<std::size_t>(seat)].seatWind = static_cast<std::int16_t>(seat);
    test::SetHand(s, 1, "123m456m789m11s1p2p");  // closed, waiting on 3p: always tenpai (門前清摸和)
    test::SetHand(s, 2, "123m789m12p99s");       // with a pon of 8s: only 3p, which gives no yaku
    s.ponKinds[2][1] = test::Tile("8s");
    s.hasCalled[2] = true;
    test::SetHand(s, 3, kDeadHand);
    test::SetHand(s, 4, kDeadHand);
    s.riichiTurn[4] = 3;  // a riichi that is not tenpai
    EvaluateDraw(s, evaluator);
    EXPECT_EQ(s.tenpaiAtDraw[1], 1);
    EXPECT_EQ(s.tenpaiAtDraw[2], rule11 == 1 ? 1 : 0);
    EXPECT_EQ(s.tenpaiAtDraw[3], 0);
    EXPECT_EQ(s.tenpaiAtDraw[4], 2);
    EXPECT_EQ(s.yakuList[1][0], yaku::kNotenRiichiChombo);  // suppresses every abortive code
    EXPECT_EQ(s.handTiles[1][14], 0);
  }
}

TEST(EvaluateDraw, AbortiveEndingsInOrder) {
  StandardWinEvaluator evaluator;
  TableState s = FirstDiscards("1z1z1z1z");
  for (int seat = 1; seat <= 4; ++seat) test::SetHand(s, seat, "123m456m789m11s1p2p");
  s.fourKanAbort = true;
  EvaluateDraw(s, evaluator);
  EXPECT_EQ(s.yakuList[1][0], yaku::kFourKans);  // a later hit overwrites the four winds
  for (int seat = 1; seat <= 4; ++seat) s.riichiTurn[static_cast<std::size_t>(seat)] = 1;
  s.rules.value[54] = 1;
  EvaluateDraw(s, evaluator);
  EXPECT_EQ(s.yakuList[1][0], yaku::kFourRiichi);
}

}  // namespace
}  // namespace mj::hand
