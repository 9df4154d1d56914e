#include "store/check_values.h"

#include <cmath>
#include <string>
#include <string_view>

#include "common/text_value.h"

namespace mj::store {
namespace {

constexpr int kPartLength = 3;
constexpr double kFactor = 123.0;

std::int32_t PartValue(std::string_view part) {
  // nearbyint rounds half to even in the default rounding mode.
  return static_cast<std::int32_t>(std::nearbyint(TextValue(part) * kFactor));
}

}  // namespace

Money ChecksumTotal(const CheckSums& sums, Money money) {
  // A float times 10000 is exact in a double, so the one rounding is the
  // half-to-even step to four decimals; the whole-number parts add exactly.
  const double singleUnits = static_cast<double>(sums.singleSum) * static_cast<double>(Money::kScale);
  const auto roundedSingle = static_cast<std::int64_t>(std::nearbyint(singleUnits));
  return Money::FromPoints(sums.integerSum) + Money::FromUnits(roundedSingle) + money;
}

CheckValues CheckValuesOf(Money total) {
  const std::string text = total.ToString();
  const std::string_view s(text);
  const std::size_t n = s.size() < kPartLength ? s.size() : kPartLength;
  return CheckValues{PartValue(s.substr(s.size() - n)), PartValue(s.substr(0, n))};
}

}  // namespace mj::store
