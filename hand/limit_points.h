#pragma once
// The value of a hand from its han and fu: the limit table (満貫打ち切り) or
// the open-ended count (青天井).
#include "common/money.h"
#include "engine/state/score_state.h"
#include "rules/rule_set.h"

namespace mj::hand {

struct HandValue {
  LimitLabel label;
  Money points;
};

// The highest value 青天井 pays.
inline constexpr Money kUnlimitedCap = Money::FromPoints(999'999'999'900);

// 満貫打ち切り for han ≥ 1: yakuman multiples, 数え役満, rule 49's ３倍満貫
// band, 倍満貫, ハネ満貫, 満貫 (with rule 36's round-up), else fu × 2^(han+2)
// × 6 or 4, rounded up to 100. A yakuman total between multiples of 13 is
// read as the multiple below it.
HandValue LimitedHandValue(int han, int fu, bool dealer, bool yakuman, const RuleSet& rules);

// 青天井 for han ≥ 1: fu doubled han times, × 4 × (6 or 4), rounded up to 100,
// never above kUnlimitedCap.
Money UnlimitedPoints(int han, int fu, bool dealer);

// The label 青天井 gives: the han count.
LimitLabel HanLabel(int han);

}  // namespace mj::hand
