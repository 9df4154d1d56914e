#include "common/money.h"

namespace mj {

std::string Money::ToString() const {
  const bool negative = units_ < 0;
  // Work on the magnitude as unsigned so the most negative value survives.
  const std::uint64_t magnitude =
      negative ? static_cast<std::uint64_t>(-(units_ + 1)) + 1 : static_cast<std::uint64_t>(units_);
  std::string text = std::to_string(magnitude / kScale);
  std::uint64_t fraction = magnitude % kScale;
  if (fraction != 0) {
    std::string digits = std::to_string(fraction + kScale).substr(1);  // four digits with leading zeros
    while (!digits.empty() && digits.back() == '0') digits.pop_back();
    text += "." + digits;
  }
  return negative ? "-" + text : text;
}

}  // namespace mj
