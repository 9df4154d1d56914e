#include "hand/limit_points.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "hand/win_payments.h"
#include "tests/hand/win_fixture.h"

namespace mj::hand {
namespace {

std::int64_t Ceil100(std::int64_t points) { return (points + 99) / 100 * 100; }

// Base points as riichi players know them: fu × 2^(han + 2), capped at
// 2000 for a mangan and raised by the limit hands (３倍満貫 at 11-12 han).
std::int64_t BasePoints(int han, int fu) {
  if (han >= 13) return 8000;
  if (han >= 11) return 6000;
  if (han >= 8) return 4000;
  if (han >= 6) return 3000;
  if (han == 5) return 2000;
  return std::min<std::int64_t>(static_cast<std::int64_t>(fu) << (han + 2), 2000);
}

constexpr int kFuValues[] = {20, 25, 30, 40, 50, 60, 70, 80, 90, 100, 110};

// Under the default rules (rule 36 off, rule 49 = 11-12 han) every fu/han pair
// pays what the base-point formula gives, for the ron and for each tsumo share.
TEST(LimitedHandValue, MatchesTheBasePointFormulaForEveryFuAndHan) {
  const RuleSet rules = RuleSet::Defaults();
  for (int fu : kFuValues) {
    for (int han = 1; han <= 16; ++han) {
      SCOPED_TRACE(std::to_string(fu) + " fu " + std::to_string(han) + " han");
      const std::int64_t base = BasePoints(han, fu);
      const Money dealerRon = LimitedHandValue(han, fu, true, false, rules).points;
      const Money ron = LimitedHandValue(han, fu, false, false, rules).points;
      EXPECT_EQ(ron, Money::FromPoints(Ceil100(4 * base)));
      EXPECT_EQ(dealerRon, Money::FromPoints(Ceil100(6 * base)));
      const WinPayments byNonDealer = PaymentsFor(ron, false, true, Money());
      EXPECT_EQ(byNonDealer.dealer, Money::FromPoints(Ceil100(2 * base)));
      EXPECT_EQ(byNonDealer.nonDealer, Money::FromPoints(Ceil100(base)));
      EXPECT_EQ(PaymentsFor(dealerRon, true, true, Money()).nonDealer, Money::FromPoints(Ceil100(2 * base)));
    }
  }
}

TEST(LimitedHandValue, LabelsAndLimits) {
  struct Row {
    int han;
    int fu;
    bool yakuman;
    const char* rules;
    const char* label;
    int nonDealer;
    int dealer;
  };
  const Row rows[] = {
      {1, 30, false, "", "一飜", 1000, 1500},
      {3, 60, false, "", "三飜", 7700, 11600},
      {4, 30, false, "", "四飜", 7700, 11600},
      {4, 30, false, "36=1", "満貫", 8000, 12000},
      {3, 60, false, "36=1", "満貫", 8000, 12000},
      {3, 70, false, "", "満貫", 8000, 12000},
      {4, 40, false, "", "満貫", 8000, 12000},
      {5, 20, false, "", "満貫", 8000, 12000},
      {6, 30, false, "", "ハネ満貫", 12000, 18000},
      {8, 30, false, "", "倍満貫", 16000, 24000},
      {10, 30, false, "49=0", "３倍満貫", 24000, 36000},
      {10, 30, false, "49=1", "倍満貫", 16000, 24000},
      {11, 30, false, "49=1", "３倍満貫", 24000, 36000},
      {11, 30, false, "49=2", "倍満貫", 16000, 24000},
      {12, 30, false, "49=2", "３倍満貫", 24000, 36000},
      {13, 30, false, "", "数え役満", 32000, 48000},
      {26, 30, false, "", "数え役満", 32000, 48000},
      {13, 30, true, "", "役満", 32000, 48000},
      {26, 30, true, "", "ダブル役満", 64000, 96000},
      {39, 30, true, "", "トリプル役満", 96000, 144000},
      {52, 30, true, "", "４倍役満", 128000, 192000},
      {65, 30, true, "", "５倍役満", 160000, 240000},
      {78, 30, true, "", "６倍役満", 192000, 288000},
      {91, 30, true, "", "７倍役満", 224000, 336000},
      {27, 30, true, "", "ダブル役満", 64000, 96000},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(std::to_string(row.han) + " han " + std::to_string(row.fu) + " fu " + row.rules);
    RuleSet rules = RuleSet::Defaults();
    test::ApplyRules(rules, row.rules);
    const HandValue nonDealer = LimitedHandValue(row.han, row.fu, false, row.yakuman, rules);
    EXPECT_EQ(nonDealer.label, row.label);
    EXPECT_EQ(nonDealer.points, Money::FromPoints(row.nonDealer));
    EXPECT_EQ(LimitedHandValue(row.han, row.fu, true, row.yakuman, rules).points, Money::FromPoints(row.dealer));
  }
}

TEST(UnlimitedPoints, DoublesFuPerHanWithoutLimit) {
  for (int fu : kFuValues) {
    for (int han = 1; han <= 20; ++han) {
      SCOPED_TRACE(std::to_string(fu) + " fu " + std::to_string(han) + " han");
      const std::int64_t base = static_cast<std::int64_t>(fu) << (han + 2);
      EXPECT_EQ(UnlimitedPoints(han, fu, false), Money::FromPoints(Ceil100(4 * base)));
      EXPECT_EQ(UnlimitedPoints(han, fu, true), Money::FromPoints(Ceil100(6 * base)));
    }
  }
  EXPECT_EQ(UnlimitedPoints(13, 30, false), Money::FromPoints(3932200));  // 30 × 2^15 × 4, rounded up
}

TEST(UnlimitedPoints, StopsAtTheCap) {
  EXPECT_EQ(UnlimitedPoints(40, 30, false), kUnlimitedCap);   // a doubling passes the cap
  EXPECT_EQ(UnlimitedPoints(34, 30, false), kUnlimitedCap);   // the final × 16 passes it
  EXPECT_EQ(UnlimitedPoints(200, 110, true), kUnlimitedCap);
  EXPECT_LT(UnlimitedPoints(30, 30, false), kUnlimitedCap);
}

TEST(WinPayments, HonbaIsAddedPerPayer) {
  const Money p = Money::FromPoints(1000);  // 30 fu 1 han by a non-dealer
  const WinPayments tsumo = PaymentsFor(p, false, true, Money::FromPoints(300));
  EXPECT_EQ(tsumo.dealer, Money::FromPoints(600));
  EXPECT_EQ(tsumo.nonDealer, Money::FromPoints(400));
  EXPECT_EQ(PaymentsFor(p, false, false, Money::FromPoints(300)).ron, Money::FromPoints(1300));
  EXPECT_EQ(PaymentsFor(Money::FromPoints(12000), true, true, Money()).nonDealer, Money::FromPoints(4000));
}

}  // namespace
}  // namespace mj::hand
