#pragma once
// Labels and choice texts of the 58 rules, as the rules screen and the shop show them.
#include <span>
#include <string_view>

#include "rules/rule_set.h"

namespace mj {

struct RuleInfo {
  int code;
  std::string_view label;
  std::span<const std::string_view> choices;
};

// code 1-58.
const RuleInfo& RuleInfoOf(int code);
// Empty when the value is not one of the rule's choices.
std::string_view RuleChoiceText(int code, int value);

}  // namespace mj
