#include "hand/settlement.h"

#include <gtest/gtest.h>

#include "engine/state/memory_records.h"
#include "hand/win_evaluation.h"
#include "hand/yaku_codes.h"
#include "tests/support/tile_notation.h"

namespace mj::hand {
namespace {

constexpr const char* kDeadHand = "2m5m8m2p5p8p2s5s8s3m6m3p6p";

struct Settle {
  TableState s;
  StandardWinEvaluator evaluator;
  MemoryRecords records;

  explicit Settle(int dealer = 1) {
    s.dealerSeat = static_cast<std::int16_t>(dealer);
    s.honbaValue = Money::FromPoints(300);
    s.wallRemaining = 30;
    for (int seat = 1; seat <= kSeats; ++seat) {
      Player& p = s.players[static_cast<std::size_t>(seat)];
      p.score = Money::FromPoints(25000);
      p.seatWind = static_cast<std::int16_t>(s.SeatWindOf(seat));
      p.userCode = static_cast<std::int16_t>(seat);
      p.isCpu = seat != 1;
    }
  }
  // A win whose yaku list is given directly: the settlement scores it itself.
  void WinWith(int winner, std::initializer_list<YakuCode> codes, int fu, bool tsumo, int discarder = 0) {
    YakuRow& list = s.yakuList[static_cast<std::size_t>(winner)];
    list = {};
    std::size_t slot = 0;
    for (YakuCode c : codes) list[slot++] = c;
    s.handFu[static_cast<std::size_t>(winner)] = static_cast<std::int16_t>(fu);
    s.currentSeat = static_cast<std::int16_t>(tsumo ? winner : discarder);
    s.turnStep = static_cast<std::int16_t>(tsumo ? 2 * winner - 1 : 2 * discarder);
  }
  SettlementReport Run(int seat) { return SettleHand(s, seat, evaluator, records); }
  std::array<std::int64_t, 4> Deltas() const {
    return {s.pointDeltas[1].WholePoints(), s.pointDeltas[2].WholePoints(), s.pointDeltas[3].WholePoints(),
            s.pointDeltas[4].WholePoints()};
  }
};

using Deltas = std::array<std::int64_t, 4>;

TEST(SettleHand, WinPaymentsWithHonbaWaremeAndDeposits) {
  struct Row {
    const char* name;
    int dealer, winner, discarder;  // discarder 0 = tsumo
    std::vector<YakuCode> yaku;
    int fu, honba, rule12, wareme, deposits;
    Deltas deltas;
  };
  const std::vector<Row> rows = {
      {"non-dealer 30 fu 1 han tsumo, one honba", 1, 2, 0, {yaku::kMenzenTsumo}, 30, 1, 0, 0, 0, {-600, 1400, -400, -400}},
      {"the winner also takes the sticks", 1, 2, 0, {yaku::kRiichi, yaku::kMenzenTsumo}, 30, 0, 0, 0, 2, {-1000, 4000, -500, -500}},
      {"dealer mangan tsumo", 1, 1, 0, {yaku::kHonitsu, yaku::kYakuhai}, 40, 0, 0, 0, 0, {12000, -4000, -4000, -4000}},
      {"dealer mangan tsumo as the wareme seat, 収支４倍", 1, 1, 0, {yaku::kHonitsu, yaku::kYakuhai}, 40, 0, 2, 1, 0, {48000, -16000, -16000, -16000}},
      {"ron on the wareme seat, 収支２倍: honba not doubled", 2, 3, 4, {yaku::kTanyao}, 40, 2, 1, 4, 0, {0, 0, 3200, -3200}},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    Settle t(r.dealer);
    t.s.honba = static_cast<std::int16_t>(r.honba);
    t.s.rules.value[12] = static_cast<std::int16_t>(r.rule12);
    t.s.waremeSeat = static_cast<std::int16_t>(r.wareme);
    t.s.depositSticks = static_cast<std::int16_t>(r.deposits);
    if (r.yaku.size() == 2 && r.yaku[1] == yaku::kYakuhai) t.s.yakuhaiCount[static_cast<std::size_t>(r.winner)] = 2;
    t.WinWith(r.winner, {}, r.fu, r.discarder == 0, r.discarder);
    std::size_t slot = 0;
    for (YakuCode c : r.yaku) t.s.yakuList[static_cast<std::size_t>(r.winner)][slot++] = c;
    const SettlementReport report = t.Run(r.winner);
    ASSERT_TRUE(report.status.ok());
    EXPECT_EQ(t.Deltas(), r.deltas);
    EXPECT_EQ(report.sound, r.discarder == 0 ? 6 : 7);
    EXPECT_EQ(t.s.depositSticks, 0);
    EXPECT_EQ(t.records.users[r.winner].amounts.wins, 1);
  }
}

TEST(SettleHand, RiichiOnTheWinningDiscardIsVoid) {
  Settle t(1);
  t.s.players[4].score = Money::FromPoints(24000);
  t.s.depositSticks = 1;
  t.s.riichiStakePending[4] = true;
  t.WinWith(3, {yaku::kTanyao}, 40, false, 4);
  ASSERT_TRUE(t.Run(3).status.ok());
  EXPECT_EQ(t.s.players[4].score.WholePoints(), 25000 - 1300);  // stake back, then the payment
  EXPECT_EQ(t.s.depositSticks, 0);
  EXPECT_FALSE(t.s.riichiStakePending[4]);
}

TEST(SettleHand, SticksStayWhenOnlyRiichiWinnersCollect) {
  Settle t(1);
  t.s.rules.value[10] = 0;
  t.s.depositSticks = 2;
  t.WinWith(2, {yaku::kTanyao}, 40, false, 3);
  ASSERT_TRUE(t.Run(2).status.ok());
  EXPECT_EQ(t.s.depositSticks, 2);
  EXPECT_EQ(t.Deltas(), (Deltas{0, 1300, -1300, 0}));
}

TEST(SettleHand, DoubleRonPaysHonbaToEachAndSticksToTheFirst) {
  Settle t(1);
  t.s.honba = 1;
  t.s.depositSticks = 1;
  t.WinWith(2, {yaku::kTanyao}, 40, false, 1);
  t.WinWith(3, {yaku::kTanyao}, 40, false, 1);
  ASSERT_TRUE(t.Run(2).status.ok());
  EXPECT_EQ(t.Deltas(), (Deltas{-1600, 2600, 0, 0}));
  ASSERT_TRUE(t.Run(3).status.ok());
  EXPECT_EQ(t.Deltas(), (Deltas{-1600, 0, 1600, 0}));
  EXPECT_EQ(t.records.users[1].amounts.dealIns, 2);
}

TEST(SettleHand, LiableSeatPaysTheWholeYakuman) {
  struct Row {
    const char* name;
    int dealer, winner, discarder, liable;
    Deltas deltas;
  };
  const Row rows[] = {
      {"tsumo: the liable seat alone", 2, 1, 0, 3, {32300, 0, -32300, 0}},
      {"dealer tsumo", 1, 1, 0, 3, {48300, 0, -48300, 0}},
      {"ron by another seat: half each", 2, 1, 4, 3, {32300, 0, -16000, -16300}},
      {"ron by the liable seat itself", 2, 1, 3, 3, {32300, 0, -32300, 0}},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    Settle t(r.dealer);
    t.s.rules.value[25] = 1;
    t.s.honba = 1;
    t.s.liableSeats[static_cast<std::size_t>(r.winner)][static_cast<std::size_t>(r.liable)] = true;
    t.WinWith(r.winner, {yaku::kDaisangen}, 40, r.discarder == 0, r.discarder);
    ASSERT_TRUE(t.Run(r.winner).status.ok());
    EXPECT_EQ(t.Deltas(), r.deltas);
  }
}

TEST(SettleHand, ChomboPaysByRule21) {
  struct Row {
    const char* name;
    int rule21, dealer, offender;
    Deltas deltas;
  };
  const Row rows[] = {
      {"満貫払い by a non-dealer", 1, 1, 2, {4000, -8000, 2000, 2000}},
      {"満貫払い by the dealer", 1, 1, 1, {-12000, 4000, 4000, 4000}},
      {"4000ALL whoever erred", 6, 1, 2, {4000, -12000, 4000, 4000}},
      {"no penalty", 0, 1, 2, {0, 0, 0, 0}},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    Settle t(r.dealer);
    t.s.rules.value[21] = static_cast<std::int16_t>(r.rule21);
    t.WinWith(r.offender, {yaku::kChombo}, 0, true);
    const SettlementReport report = t.Run(r.offender);
    EXPECT_EQ(report.sound, 8);
    EXPECT_EQ(t.Deltas(), r.deltas);
  }
}

TEST(SettleHand, ExhaustiveDrawNotenPayments) {
  struct Row {
    const char* name;
    std::array<bool, 4> tenpai;
    Deltas deltas;
  };
  const Row rows[] = {
      {"one tenpai", {true, false, false, false}, {3000, -1000, -1000, -1000}},
      {"two tenpai", {true, false, true, false}, {1500, -1500, 1500, -1500}},
      {"three tenpai", {true, true, false, true}, {1000, 1000, -3000, 1000}},
      {"all tenpai", {true, true, true, true}, {0, 0, 0, 0}},
      {"none", {false, false, false, false}, {0, 0, 0, 0}},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    Settle t(1);
    t.s.wallRemaining = -1;
    const char* tenpaiHands[] = {"123m456m789m123p4p", "123m456m789m12s4p4p", "456m789m123s456s7p", "111m234p567s789s5z"};
    for (int seat = 1; seat <= 4; ++seat) {
      test::SetHand(t.s, seat, r.tenpai[static_cast<std::size_t>(seat - 1)] ? tenpaiHands[seat - 1] : kDeadHand);
      t.s.riverTiles[static_cast<std::size_t>(seat)][1] = test::Tile("5s");  // no nagashi
      t.s.riverCount[static_cast<std::size_t>(seat)] = 1;
    }
    const SettlementReport report = t.Run(1);
    EXPECT_EQ(report.sound, 9);
    EXPECT_EQ(t.s.yakuList[1][0], yaku::kExhaustiveDraw);
    EXPECT_EQ(t.Deltas(), r.deltas);
  }
}

TEST(SettleHand, NagashiManganAtTheDraw) {
  Settle t(1);
  t.s.wallRemaining = -1;
  for (int seat = 1; seat <= 4; ++seat) test::SetHand(t.s, seat, kDeadHand);
  const std::vector<TileCode> orphans = test::Tiles("1m9m1p9p1s9s1z2z3z4z5z6z7z");
  const std::vector<TileCode> simples = test::Tiles("2m3m4m5m6m7m8m2p3p4p5p6p7p");
  for (int seat = 1; seat <= 4; ++seat) {
    const auto& river = seat == 1 ? orphans : simples;
    for (std::size_t n = 0; n < river.size(); ++n) t.s.riverTiles[static_cast<std::size_t>(seat)][n + 1] = river[n];
    t.s.riverCount[static_cast<std::size_t>(seat)] = static_cast<std::int16_t>(river.size());
  }
  ASSERT_TRUE(t.Run(1).status.ok());
  EXPECT_TRUE(t.s.nagashiFlags[1]);
  EXPECT_EQ(t.s.yakuList[1][0], yaku::kNagashi);
  EXPECT_EQ(t.Deltas(), (Deltas{12000, -4000, -4000, -4000}));
  EXPECT_EQ(t.s.shownExperience, 64);
  EXPECT_EQ((t.records.yakuWins[{1, yaku::kNagashi}]), 1);

  // A tile called away from the river spoils it.
  Settle called(1);
  called.s = t.s;
  called.s.pointDeltas = {};
  called.s.riverTakenByCall[1][3] = true;
  called.s.players = Settle(1).s.players;
  ASSERT_TRUE(called.Run(1).status.ok());
  EXPECT_FALSE(called.s.nagashiFlags[1]);
}

TEST(SettleHand, FailedYakuWriteStopsWithItsMessage) {
  Settle t(1);
  t.records.failWrites = true;
  t.WinWith(2, {yaku::kTanyao}, 40, false, 3);
  const SettlementReport report = t.Run(2);
  EXPECT_FALSE(report.status.ok());
  EXPECT_EQ(report.message, "役マスタの更新処理に失敗しました");
}

}  // namespace
}  // namespace mj::hand
