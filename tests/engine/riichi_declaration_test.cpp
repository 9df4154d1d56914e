#include <gtest/gtest.h>

#include <algorithm>

#include "engine/riichi.h"
#include "engine/sound_effects.h"
#include "tests/engine/human_table.h"

namespace mj::engine {
namespace {

using test::HumanTable;
using test::kNoWaitHand;
using test::Plan;

// Seat 2 waits on 5p alone (断么九): it wins on seat 1's 5p.
constexpr const char* kWaitsOn5p = "234m567m234s678s5p";

bool Played(const HumanTable& t, int effect) {
  const std::vector<int>& played = t.fixture.sounds.played;
  return std::find(played.begin(), played.end(), effect) != played.end();
}

TEST(RiichiDeclaration, PressingRiichiTwiceReturnsTheStake) {
  HumanTable t(Plan(1, {"", kNoWaitHand, kNoWaitHand, kNoWaitHand, kNoWaitHand}, {"", "5z"}));
  ASSERT_TRUE(t.TickToSeat1Discard());
  ASSERT_TRUE(t.table().CanPressRiichi());

  t.table().PressRiichi();
  EXPECT_EQ(t.Score(1), 24000);
  EXPECT_EQ(t.State().depositSticks, 1);
  EXPECT_TRUE(Played(t, kSoundRiichi));
  EXPECT_EQ(t.fixture.view.riichis, std::vector<int>{1});
  EXPECT_TRUE(t.table().CanPressRiichi());  // lit to take it back

  t.table().PressRiichi();
  EXPECT_EQ(t.Score(1), 25000);
  EXPECT_EQ(t.State().depositSticks, 0);
  EXPECT_EQ(t.fixture.view.riichiCancels, std::vector<int>{1});
  EXPECT_EQ(t.fixture.view.messages, std::vector<std::string>{"リーチ取消"});

  t.table().ClickHandTile(kDrawnPosition);
  EXPECT_FALSE(t.State().InRiichi(1));
  EXPECT_EQ(t.State().riverCount[1], 1);
}

TEST(RiichiDeclaration, TheDeclaringDiscardFixesTheRiichi) {
  HumanTable t(Plan(1, {"", kNoWaitHand, kNoWaitHand, kNoWaitHand, kNoWaitHand}, {"", "5z"}), {}, /*record=*/true);
  ASSERT_TRUE(t.TickToSeat1Discard());
  t.table().PressRiichi();
  t.table().ClickHandTile(kDrawnPosition);
  const TableState& s = t.State();
  EXPECT_EQ(s.riichiTurn[1], 1);
  EXPECT_TRUE(s.doubleRiichi[1]);
  EXPECT_TRUE(s.ippatsu[1]);
  EXPECT_FALSE(s.riichiJustDeclared);
  EXPECT_EQ(std::vector<std::string>(s.recordLines.end() - 2, s.recordLines.end()),
            (std::vector<std::string>{"1R", "1D白"}));
  EXPECT_EQ(t.fixture.records.users[s.players[1].userCode].amounts.riichis, 1);
  EXPECT_FALSE(t.table().CanPressRiichi());
}

TEST(RiichiDeclaration, AFailedRiichiCountStopsTheGame) {
  HumanTable t(Plan(1, {"", kNoWaitHand, kNoWaitHand, kNoWaitHand, kNoWaitHand}, {"", "5z"}));
  ASSERT_TRUE(t.TickToSeat1Discard());
  t.table().PressRiichi();
  t.fixture.records.failWrites = true;
  t.table().ClickHandTile(kDrawnPosition);
  EXPECT_TRUE(t.table().IsStopped());
  EXPECT_EQ(t.fixture.dialogs.errors, std::vector<std::string>{"ユーザーマスタの更新処理に失敗しました"});
  EXPECT_EQ(t.fixture.timers.turnIntervalMs, 0);
}

TEST(RiichiDeclaration, DoubleRiichiOnlyWhenNobodyCalledBeforeTheFirstDiscard) {
  // Seat 3 deals and throws 白; seat 4 holds two 白. Seat 1 declares on its first discard.
  for (bool seat4Pons : {false, true}) {
    SCOPED_TRACE(seat4Pons ? "seat 4 pons the first discard" : "nobody calls");
    HumanTable t(Plan(3, {"", kNoWaitHand, kNoWaitHand, kNoWaitHand, "2m5m8m3p6p9p2s5s8s5z5z3z4z"},
                      {"", "7z", "", "5z", "6z"}));
    test::PonSeat ponSeat;
    if (seat4Pons) t.table().SetSeatController(4, ponSeat);
    ASSERT_TRUE(t.TickToSeat1Discard());
    ASSERT_EQ(t.State().hasCalled[4], seat4Pons);
    t.table().PressRiichi();
    t.table().ClickHandTile(kDrawnPosition);
    EXPECT_EQ(t.State().riichiTurn[1], 1);
    EXPECT_EQ(t.State().doubleRiichi[1], !seat4Pons);
  }
}

struct StakeRow {
  const char* name;
  const char* seat1Draws;  // in riichi from the first draw; the 5p is won on
  std::int64_t seat1Score, seat2Score;
};

TEST(RiichiDeclaration, TheStakeComesBackOnlyWhenTheDeclaringDiscardIsWonOn) {
  // Seat 2 rons the 5p for 1300 (断么九, 40 fu); dora 9m is held by nobody.
  const StakeRow rows[] = {
      {"won on the declaring discard", "5p", 25000 - 1300, 25000 + 1300},
      {"won on a later discard", "7z5p", 25000 - 1000 - 1300, 25000 + 1300 + 1000},
  };
  for (const StakeRow& row : rows) {
    SCOPED_TRACE(row.name);
    HumanTable t(Plan(1, {"", kNoWaitHand, kWaitsOn5p, kNoWaitHand, kNoWaitHand}, {"", row.seat1Draws, "6z", "6z", "6z"}, "8m"));
    ASSERT_TRUE(t.TickToSeat1Discard());
    t.table().PressRiichi();
    t.table().ClickHandTile(kDrawnPosition);
    ASSERT_TRUE(t.PlayToHandEnd());
    EXPECT_EQ(t.fixture.view.settled, std::vector<int>{2});
    EXPECT_EQ(t.Score(1), row.seat1Score);
    EXPECT_EQ(t.Score(2), row.seat2Score);
    EXPECT_EQ(t.State().depositSticks, 0);
  }
}

struct CpuRiichiRow {
  const char* name;
  std::function<void(TableState&)> tweak;
  bool declared;
  bool open;
};

TEST(RiichiDeclaration, ACpuRiichiRequestPassesTheSameTest) {
  const CpuRiichiRow rows[] = {
      {"allowed", [](TableState&) {}, true, false},
      {"rule 9 on and 900 points", [](TableState& s) { s.rules.value[9] = 1; s.players[2].score = Money::FromPoints(900); },
       false, false},
      {"seat 1 in open riichi", [](TableState& s) { s.riichiTurn[1] = 1; s.openRiichi[1] = true; }, false, false},
      {"open riichi wished on the first discard", [](TableState& s) { s.rules.SetLocalYaku(kOpenRiichiYaku, 1); }, true,
       false},
  };
  for (const CpuRiichiRow& row : rows) {
    SCOPED_TRACE(row.name);
    HumanTable t(Plan(2, {"", kNoWaitHand, kNoWaitHand, kNoWaitHand, kNoWaitHand}, {"", "", "5z"}));
    test::RiichiSeat riichiSeat(/*open=*/true);
    t.table().SetSeatController(2, riichiSeat);
    row.tweak(t.State());
    ASSERT_TRUE(t.Tick());  // seat 2 draws
    ASSERT_TRUE(t.Tick());  // and discards
    EXPECT_EQ(t.State().riverCount[2], 1);
    EXPECT_EQ(t.State().InRiichi(2), row.declared);
    EXPECT_EQ(t.State().openRiichi[2], row.open);
  }
}

TEST(RiichiDeclaration, OpenRiichiFromTheSecondDiscard) {
  for (bool seat1 : {false, true}) {
    SCOPED_TRACE(seat1 ? "seat 1 chooses in the window" : "a CPU's wish");
    HumanTable t(Plan(2, {"", kNoWaitHand, kNoWaitHand, kNoWaitHand, kNoWaitHand}, {"", "7z7z", "5z5z", "6z", "6z"}),
                 [](RuleSet& rules) { rules.SetLocalYaku(kOpenRiichiYaku, 1); });
    test::RiichiSeat riichiSeat(/*open=*/true, /*afterDiscards=*/1);
    const int seat = seat1 ? 1 : 2;
    if (!seat1) t.table().SetSeatController(2, riichiSeat);
    t.fixture.dialogs.chooseOpenRiichi = true;
    // Seat 2 deals: its second discard comes after seat 1's first.
    ASSERT_TRUE(t.TickToSeat1Discard());
    t.table().ClickHandTile(kDrawnPosition);
    if (seat1) {
      ASSERT_TRUE(t.TickToSeat1Discard());
      t.table().PressRiichi();
      t.table().ClickHandTile(kDrawnPosition);
    } else {
      ASSERT_TRUE(t.TickUntil([&] { return t.State().riverCount[2] == 2; }));
    }
    EXPECT_EQ(t.State().riichiTurn[static_cast<std::size_t>(seat)], 2);
    EXPECT_TRUE(InOpenRiichi(t.State(), seat));
  }
}

}  // namespace
}  // namespace mj::engine
