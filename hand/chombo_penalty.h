#pragma once
// Rule 21 (錯和時罰則点数): what a false win costs and how it is labelled.
#include <string_view>

#include "common/money.h"
#include "rules/rule_set.h"

namespace mj::hand {

struct ChomboPenalty {
  std::string_view label;  // "満貫払い" … "16000ALL"
  Money penalty;           // chomboPenalty: the total the offender pays out
};

ChomboPenalty ChomboPenaltyOf(const RuleSet& rules);

// The offender's hand value: minus the penalty, one and a half times for the dealer.
Money ChomboHandPoints(const RuleSet& rules, bool dealer);

}  // namespace mj::hand
