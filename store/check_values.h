#pragma once
// The pair of check values kept over the counted columns, so that a change
// made to the file outside the program is noticed at start-up.
#include <cstdint>

#include "common/money.h"

namespace mj::store {

struct CheckValues {
  std::int32_t checkDigit = 0;  // チェックディジット
  std::int32_t checkCalc = 0;   // カルキュレート
  bool operator==(const CheckValues&) const = default;
};

// The counted columns of the user, rule and yaku tables, added up row by row.
struct CheckSums {
  std::int64_t integerSum = 0;
  float singleSum = 0;  // the ratings, summed in single precision
};

// T: the sums plus money, rounded half to even to four decimals.
Money ChecksumTotal(const CheckSums& sums, Money money);
// T written as decimal text (123456, -1476, 1520.5): checkDigit is the value
// of its last three characters times 123, checkCalc that of its first three,
// each rounded half to even; a shorter text is taken whole.
CheckValues CheckValuesOf(Money total);

}  // namespace mj::store
