#include "store/check_values.h"

#include <gtest/gtest.h>

namespace mj::store {
namespace {

Money Units(std::int64_t units) { return Money::FromUnits(units); }

TEST(CheckValues, ComeFromTheLastAndFirstThreeCharactersOfT) {
  struct Row {
    const char* name;
    Money total;
    std::int32_t checkDigit, checkCalc;
  } rows[] = {
      {"seven is taken whole", Money::FromPoints(7), 861, 861},
      {"negative keeps its sign in the first part", Money::FromPoints(-1476), 476 * 123, -14 * 123},
      {"half a unit rounds to even", Units(15205000), 62, 152 * 123},  // 1520.5: 0.5 × 123 = 61.5
      {"six digits", Money::FromPoints(123456), 456 * 123, 123 * 123},
      {"two characters", Money::FromPoints(12), 12 * 123, 12 * 123},
      {"zero", Money(), 0, 0},
      {"a leading point", Units(12500), 31, 148},       // 1.25: ".25" 30.75, "1.2" 147.6
      {"another half rounds up to even", Units(25000), 308, 308},  // 2.5: 307.5
      {"short negative", Money::FromPoints(-5), -615, -615},
      {"four decimals", Units(12345678), 678 * 123, 123 * 123},  // 1234.5678
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const CheckValues v = CheckValuesOf(row.total);
    EXPECT_EQ(v.checkDigit, row.checkDigit);
    EXPECT_EQ(v.checkCalc, row.checkCalc);
  }
}

TEST(CheckValues, TotalRoundsTheSingleSumHalfToEven) {
  struct Row {
    const char* name;
    CheckSums sums;
    Money money;
    Money total;
  } rows[] = {
      {"whole parts add exactly", {159000, 1500.0f}, Money::FromPoints(300), Money::FromPoints(160800)},
      {"a quarter", {0, 1500.25f}, Money(), Units(15002500)},
      {"1/32 is 312.5 units: down to even", {0, 0.03125f}, Money(), Units(312)},
      {"3/32 is 937.5 units: up to even", {0, 0.09375f}, Money(), Units(938)},
      {"negative ratings", {10, -0.03125f}, Money(), Units(100000 - 312)},
      {"money with decimals", {1, 0.0f}, Units(5), Units(10005)},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(ChecksumTotal(row.sums, row.money), row.total);
  }
}

}  // namespace
}  // namespace mj::store
