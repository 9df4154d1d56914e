#include "hand/limit_points.h"

#include <string_view>

#include "hand/han_text.h"

namespace mj::hand {
namespace {

constexpr int kYakumanHan = 13;

Money Rate(bool dealer, int dealerPoints, int nonDealerPoints) {
  return Money::FromPoints(dealer ? dealerPoints : nonDealerPoints);
}

// 役満, ダブル役満, トリプル役満, then ４倍役満 … in full-width digits.
LimitLabel YakumanLabel(int multiple) {
  if (multiple == 1) return LimitLabel("役満");
  if (multiple == 2) return LimitLabel("ダブル役満");
  if (multiple == 3) return LimitLabel("トリプル役満");
  static constexpr std::string_view kWideDigits[] = {"０", "１", "２", "３", "４", "５", "６", "７", "８", "９"};
  LimitLabel label;
  char digits[12];
  int count = 0;
  for (int m = multiple; m > 0; m /= 10) digits[count++] = static_cast<char>(m % 10);
  while (count > 0) label.Append(kWideDigits[static_cast<int>(digits[--count])]);
  return label.Append("倍役満");
}

bool IsSanbaimanBand(int han, const RuleSet& rules) {
  switch (rules[49]) {
    case 0: return han >= 10 && han <= 12;
    case 1: return han >= 11 && han <= 12;
    default: return han == 12;
  }
}

bool IsMangan(int han, int fu, const RuleSet& rules) {
  if (han >= 5 || (han == 4 && fu >= 40) || (han == 3 && fu >= 70)) return true;
  return rules[36] == 1 && ((han == 4 && fu == 30) || (han == 3 && fu == 60));
}

}  // namespace

LimitLabel HanLabel(int han) {
  LimitLabel label;
  AppendHanText(label, han);
  return label;
}

HandValue LimitedHandValue(int han, int fu, bool dealer, bool yakuman, const RuleSet& rules) {
  if (yakuman && han >= kYakumanHan) {
    const int multiple = han / kYakumanHan;
    return {YakumanLabel(multiple), Rate(dealer, 48000, 32000) * multiple};
  }
  if (han >= kYakumanHan) return {LimitLabel("数え役満"), Rate(dealer, 48000, 32000)};
  if (IsSanbaimanBand(han, rules)) return {LimitLabel("３倍満貫"), Rate(dealer, 36000, 24000)};
  if (han >= 8) return {LimitLabel("倍満貫"), Rate(dealer, 24000, 16000)};
  if (han >= 6) return {LimitLabel("ハネ満貫"), Rate(dealer, 18000, 12000)};
  if (IsMangan(han, fu, rules)) return {LimitLabel("満貫"), Rate(dealer, 12000, 8000)};
  const Money value = Money::FromPoints(static_cast<std::int64_t>(fu) << (han + 2)) * (dealer ? 6 : 4);
  return {HanLabel(han), value.RoundUpTo100()};
}

Money UnlimitedPoints(int han, int fu, bool dealer) {
  Money value = Money::FromPoints(fu);
  for (int i = 0; i < han; ++i) {
    value = value * 2;
    if (value > kUnlimitedCap) return kUnlimitedCap;
  }
  value = (value * 4 * (dealer ? 6 : 4)).RoundUpTo100();
  return value > kUnlimitedCap ? kUnlimitedCap : value;
}

}  // namespace mj::hand
