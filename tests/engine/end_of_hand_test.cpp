#include <gtest/gtest.h>

#include "hand/draw_evaluation.h"
#include "hand/yaku_codes.h"
#include "tests/engine/table_fixture.h"

namespace mj::engine {
namespace {

struct Row {
  const char* name;
  int rule7, rule24;
  int handNumber, dealer, honba;
  YakuCode seat1Code;  // what the settlement left in seat 1's first slot
  bool dealerTenpai;
  int winner;  // 0 = no win
  int nextDealer, nextHand, nextHonba;
};

TEST(EndHand, DealerAndHonbaMoveByTheEnding) {
  using namespace hand;
  using namespace hand::yaku;
  const Row rows[] = {
      {"draw, noten dealer, 全て親流れ, 東四局 -> 南一局", 0, 1, 4, 4, 0, kExhaustiveDraw, false, 0, 1, 5, 1},
      {"draw, noten dealer, 南場のみ連荘 in the south stays", 2, 1, 5, 1, 0, kExhaustiveDraw, false, 0, 1, 5, 1},
      {"draw, noten dealer, 南場のみ連荘 in the east passes", 2, 1, 3, 3, 1, kExhaustiveDraw, false, 0, 4, 4, 2},
      {"draw, tenpai dealer stays", 0, 1, 2, 2, 0, kExhaustiveDraw, true, 0, 2, 2, 1},
      {"draw with nagashi adds a second honba", 0, 1, 2, 2, 0, kNagashi, false, 0, 3, 3, 2},
      {"non-dealer ron clears honba", 2, 1, 2, 2, 3, yaku::kTanyao, false, 3, 3, 3, 0},
      {"dealer win stays", 2, 1, 2, 2, 3, yaku::kTanyao, false, 2, 2, 2, 4},
      {"chombo keeps dealer and hand", 0, 0, 6, 2, 0, kChombo, false, 3, 2, 6, 1},
      {"four riichi in 南一局, 東場のみ連荘 passes", 0, 2, 5, 1, 0, kFourRiichi, false, 0, 2, 6, 1},
      {"four winds in the east, 東場のみ連荘 stays", 0, 2, 3, 3, 0, kFourWinds, false, 0, 3, 3, 1},
      {"abort, 流れ passes", 0, 0, 3, 3, 0, kNineTerminals, false, 0, 4, 4, 1},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    test::TableFixture f;
    TableState& s = f.State();
    s.rules.value[1] = 4;  // 一荘戦: no row here ends the game
    s.rules.value[7] = static_cast<std::int16_t>(r.rule7);
    s.rules.value[24] = static_cast<std::int16_t>(r.rule24);
    f.table.SetFirstDealer(r.dealer);
    f.table.OpenTable();
    s.handNumber = static_cast<std::int16_t>(r.handNumber);
    s.honba = static_cast<std::int16_t>(r.honba);
    s.yakuList[1][0] = r.seat1Code;
    if (r.seat1Code == kChombo) {  // the chombo is the offender's, here seat 3
      s.yakuList[1][0] = 0;
      s.yakuList[3][0] = kChombo;
    }
    if (r.winner != 0 && r.seat1Code != kChombo) s.yakuList[static_cast<std::size_t>(r.winner)][0] = yaku::kTanyao;
    s.tenpaiAtDraw[static_cast<std::size_t>(r.dealer)] = r.dealerTenpai ? 1 : 0;
    f.table.EndHand(r.winner == 0 ? 1 : r.winner, r.winner != 0);
    EXPECT_EQ(s.dealerSeat, r.nextDealer);
    EXPECT_EQ(s.handNumber, r.nextHand);
    EXPECT_EQ(s.honba, r.nextHonba);
    EXPECT_EQ(s.players[static_cast<std::size_t>(s.dealerSeat)].seatWind, 1);
    EXPECT_FALSE(f.table.IsGameOver());
  }
}

TEST(EndHand, GameEndsAfterTheLastHandWithPlacementsAndRatings) {
  test::TableFixture f;
  TableState& s = f.State();
  s.rules.value[1] = 0;  // 東風戦
  f.table.SetFirstDealer(1);
  f.table.OpenTable();
  s.handNumber = 4;
  s.dealerSeat = 4;
  s.players[1].score = Money::FromPoints(45000);
  s.players[2].score = Money::FromPoints(25100);
  s.players[3].score = Money::FromPoints(20000);
  s.players[4].score = Money::FromPoints(9900);
  s.players[1].isCpu = false;
  s.yakuList[2][0] = hand::yaku::kTanyao;
  f.table.EndHand(2, true);
  ASSERT_TRUE(f.table.IsGameOver());
  EXPECT_EQ(s.handNumber, 99);
  EXPECT_EQ(f.table.Result().finalPoints[1], Money::FromPoints(54));
  EXPECT_EQ(f.view.gamesEnded, 1);
  EXPECT_EQ(f.dialogs.infos.back(), "試合が終了しました");
  const UserStats& human = f.records.users[1].amounts;
  EXPECT_EQ(human.places[1], 1);
  EXPECT_EQ(human.points, 54);
  EXPECT_EQ(human.games, 1);
  EXPECT_EQ(human.hands, 1);
  // 1st alone: 6.0 + (1500 - 1500) / 300, five times for a first game.
  EXPECT_FLOAT_EQ(human.rating, 30.0f);
  EXPECT_EQ(f.records.users[1004].amounts.rating, 0.0f);  // CPU seats keep their rating
}

TEST(EndHand, FailedStatisticsWriteStopsTheGame) {
  test::TableFixture f;
  f.table.OpenTable();
  f.records.failWrites = true;
  f.table.EndHand(1, false);
  EXPECT_TRUE(f.table.IsStopped());
  EXPECT_EQ(f.dialogs.errors.back(), "ユーザーマスタの更新処理に失敗しました");
  EXPECT_EQ(f.timers.turnIntervalMs, 0);
}

TEST(RequestClose, QuittingAGameAsksAndCostsThirtyRating) {
  test::TableFixture f;
  EXPECT_TRUE(f.table.RequestClose());  // no game yet: nothing to ask
  EXPECT_TRUE(f.dialogs.questions.empty());
  f.table.OpenTable();
  f.dialogs.answerYes = false;
  EXPECT_FALSE(f.table.RequestClose());
  EXPECT_FALSE(f.table.IsGameOver());
  f.dialogs.answerYes = true;
  EXPECT_TRUE(f.table.RequestClose());
  EXPECT_EQ(f.dialogs.questions, (std::vector<std::string>{"本当に終了してもよろしいですか？", "本当に終了してもよろしいですか？"}));
  EXPECT_FLOAT_EQ(f.records.users[1].amounts.rating, -30.0f);
  EXPECT_EQ(f.timers.turnIntervalMs, 0);
}

}  // namespace
}  // namespace mj::engine
