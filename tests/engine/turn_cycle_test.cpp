#include <gtest/gtest.h>

#include <algorithm>

#include "hand/draw_evaluation.h"
#include "hand/yaku_codes.h"
#include "tests/engine/arranged_wall.h"
#include "tests/engine/table_fixture.h"

namespace mj::engine {
namespace {

// Noten shapes that no draw can complete, for seats that only pass tiles on.
constexpr const char* kDeadHand = "2m5m8m2p5p8p2s5s8s3m6m3p6p";

struct Dealt {
  test::TableFixture fixture;
  explicit Dealt(const test::WallPlan& plan, void (*tweak)(RuleSet&) = nullptr, bool record = false)
      : fixture(1, TableOptions{1, record, ""}) {
    TableState& s = fixture.State();
    if (tweak != nullptr) tweak(s.rules);
    fixture.table.SetNextWall(test::ArrangedWall(plan));
    fixture.table.SetFirstDealer(plan.dealer);
    fixture.table.OpenTable();
  }
  // Ticks until the first hand has ended.
  void PlayFirstHand() {
    for (int step = 0; step < 2000 && fixture.view.handsEnded == 0; ++step) {
      if (fixture.timers.turnIntervalMs > 0) {
        fixture.table.OnTurnTimer();
      } else if (fixture.timers.responseRunning) {
        fixture.table.OnResponseTimer();
      } else {
        FAIL() << "waiting with no timer running";
      }
    }
    ASSERT_EQ(fixture.view.handsEnded, 1);
  }
  std::int64_t Score(int seat) { return fixture.State().players[static_cast<std::size_t>(seat)].score.WholePoints(); }
};

test::WallPlan PlanWithDealerOne() {
  test::WallPlan plan;
  plan.dealer = 1;
  plan.breakPos = 1;
  return plan;
}

TEST(TurnCycle, ExhaustiveDrawAfterTheSeventiethTilePaysNoten) {
  test::WallPlan plan = PlanWithDealerOne();
  plan.hands = {"", "111z222z333z444z5z", kDeadHand, kDeadHand, kDeadHand};  // the other 白 lie in the dead wall
  Dealt table(plan);
  ASSERT_EQ(table.fixture.State().dealerSeat, 1);
  table.PlayFirstHand();
  const TableState& s = table.fixture.State();
  EXPECT_EQ(table.Score(1), 28000);  // the tenpai dealer takes 3000
  for (int seat = 2; seat <= 4; ++seat) EXPECT_EQ(table.Score(seat), 24000);
  EXPECT_EQ(s.dealerSeat, 1);  // tenpai: the dealer stays
  EXPECT_EQ(s.handNumber, 1);
  EXPECT_EQ(s.honba, 1);
  for (int seat = 1; seat <= 4; ++seat) EXPECT_EQ(table.fixture.records.users[s.players[static_cast<std::size_t>(seat)].userCode].amounts.hands, 1);
}

TEST(TurnCycle, HandEndsBeforeTheDrawOnAnEmptyWall) {
  test::WallPlan plan = PlanWithDealerOne();
  plan.hands = {"", "111z222z333z444z5z", kDeadHand, kDeadHand, kDeadHand};
  Dealt table(plan, nullptr, /*record=*/true);
  test::TableFixture& f = table.fixture;
  int draws = 0;
  int remainingBeforeLastTick = -2;
  for (int step = 0; step < 2000 && f.view.handsEnded == 0; ++step) {
    draws = static_cast<int>(std::count_if(f.State().recordLines.begin(), f.State().recordLines.end(),
                                           [](const std::string& e) { return e[1] == 'G'; }));
    remainingBeforeLastTick = f.State().wallRemaining;
    f.table.OnTurnTimer();
  }
  EXPECT_EQ(remainingBeforeLastTick, 0);  // the hand ended on the tick that found the wall empty
  EXPECT_EQ(draws, 70);
  EXPECT_EQ(f.view.handsEnded, 1);
}

struct RonRow {
  const char* name;
  int rule20;
  bool seat4Waits;
  std::vector<int> settled;  // winners in the order they are paid
  bool aborted;
};

TEST(TurnCycle, SeveralRonsOnOneDiscardFollowRule20) {
  const RonRow rows[] = {
      {"no double ron: three abort", 0, true, {}, true},
      {"no double ron: the nearest wins", 0, false, {2}, false},
      {"double ron allowed, three abort", 1, true, {}, true},
      {"double ron", 1, false, {2, 3}, false},
      {"triple ron", 2, true, {2, 3, 4}, false},
  };
  for (const RonRow& row : rows) {
    SCOPED_TRACE(row.name);
    test::WallPlan plan = PlanWithDealerOne();
    plan.hands = {"", "1m4m7m1p4p7p9p1s9s8p3p6m9m", "234m567m234s678s5p", "345m678m345s456s5p",
                  row.seat4Waits ? "234m888p345s777s5p" : kDeadHand};
    plan.draws = {"", "5p", "", "", ""};
    const int rule20 = row.rule20;
    static int ruleForTweak;
    ruleForTweak = rule20;
    Dealt table(plan, [](RuleSet& rules) { rules.value[20] = static_cast<std::int16_t>(ruleForTweak); });
    table.PlayFirstHand();
    const TableState& s = table.fixture.State();
    EXPECT_EQ(table.fixture.view.settled, row.aborted ? std::vector<int>{1} : row.settled);
    if (row.aborted) {
      EXPECT_EQ(table.fixture.view.endings, std::vector<YakuCode>{hand::yaku::kTripleRon});
      EXPECT_EQ(s.honba, 1);
      continue;
    }
    std::int64_t paid = 0;
    for (int winner : row.settled) {
      EXPECT_GT(table.Score(winner), 25000);
      paid += table.Score(winner) - 25000;
    }
    EXPECT_EQ(25000 - table.Score(1), paid);  // the discarder pays each winner
  }
}

TEST(TurnCycle, FourWindsAbortOnTheFirstDiscards) {
  for (int rule24 : {0, 1}) {
    SCOPED_TRACE(rule24);
    test::WallPlan plan = PlanWithDealerOne();
    plan.hands = {"", kDeadHand, kDeadHand, kDeadHand, "1m4m7m1p4p7p9p1s9s8p3p6m9m"};
    plan.draws = {"", "1z", "1z", "1z", "1z"};
    static int ruleForTweak;
    ruleForTweak = rule24;
    Dealt table(plan, [](RuleSet& rules) { rules.value[24] = static_cast<std::int16_t>(ruleForTweak); });
    table.PlayFirstHand();
    const TableState& s = table.fixture.State();
    EXPECT_EQ(table.fixture.view.endings, std::vector<YakuCode>{hand::yaku::kFourWinds});
    EXPECT_EQ(s.honba, 1);
    EXPECT_EQ(s.dealerSeat, rule24 == 1 ? 1 : 2);
    for (int seat = 1; seat <= 4; ++seat) EXPECT_EQ(table.Score(seat), 25000);
  }
}

}  // namespace
}  // namespace mj::engine
