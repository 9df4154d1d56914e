#include "common/money.h"

#include <gtest/gtest.h>

namespace mj {
namespace {

TEST(Money, RoundUpTo100FollowsTheAddNinetyRule) {
  struct Row {
    const char* name;
    std::int64_t units;  // 1/10000 points
    std::int64_t expected;
  };
  const Row rows[] = {
      {"exact multiple stays", 1200 * Money::kScale, 1200},
      {"zero stays", 0, 0},
      {"one ten above goes up", 1210 * Money::kScale, 1300},
      {"a third of 1000", 3333333, 400},
      {"less than ten above stays down even with fractions", 1209999 * 10, 1200},  // 12.09999 + 0.9
      {"less than ten above stays down", 1205 * Money::kScale, 1200},
      {"negative exact multiple stays", -1200 * Money::kScale, -1200},
      {"negative rounds up toward zero", -250 * Money::kScale, -200},
      {"negative just below a multiple", -1290 * Money::kScale, -1200},
      {"negative within ten above the lower multiple goes down", -1295 * Money::kScale, -1300},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(Money::FromUnits(row.units).RoundUpTo100().WholePoints(), row.expected);
  }
}

TEST(Money, KeepsFourDecimalsThroughDivision) {
  const Money third = Money::FromPoints(1000) / 3;
  EXPECT_EQ(third.Units(), 3333333);
  EXPECT_EQ(third.ToString(), "333.3333");
  EXPECT_EQ((third * 3).ToString(), "999.9999");
  EXPECT_EQ(Money::FromPoints(-1500).ToString(), "-1500");
  EXPECT_EQ((Money::FromPoints(-3) / 2).ToString(), "-1.5");
  EXPECT_EQ(Money::FromUnits(INT64_MIN).ToString(), "-922337203685477.5808");
}

}  // namespace
}  // namespace mj
