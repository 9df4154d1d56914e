#include "rules/rule_set.h"

#include <string>

#include "rules/rule_catalog.h"

namespace mj {

int DefaultRuleValue(int code) { return kDefaultRuleString[static_cast<std::size_t>(code - 1)] - '0'; }

RuleSet RuleSet::Defaults() {
  RuleSet rules;
  for (int code = 1; code <= kRuleCount; ++code) rules.ruleOwned[static_cast<std::size_t>(code)] = true;
  SetRuleDefaults(rules, -1);
  return rules;
}

Result<RuleSet> RuleSet::FromString(std::string_view digits) {
  if (digits.size() != kRuleCount) {
    return Status::Error(1, "a rule string has " + std::to_string(kRuleCount) + " digits, this one has " +
                                std::to_string(digits.size()));
  }
  RuleSet rules = Defaults();
  for (int code = 1; code <= kRuleCount; ++code) {
    const char c = digits[static_cast<std::size_t>(code - 1)];
    const int v = c >= '0' && c <= '9' ? c - '0' : (c == 'A' ? 10 : -1);
    if (v < 0 || static_cast<std::size_t>(v) >= RuleInfoOf(code).choices.size()) {
      return Status::Error(2, "rule " + std::to_string(code) + " (" + std::string(RuleInfoOf(code).label) +
                                  ") has no value '" + std::string(1, c) + "'");
    }
    rules.value[static_cast<std::size_t>(code)] = static_cast<std::int16_t>(v);
  }
  return rules;
}

std::string RuleSet::ToString() const {
  std::string digits;
  for (int code = 1; code <= kRuleCount; ++code) {
    const int v = (*this)[code];
    digits += v == 10 ? 'A' : static_cast<char>('0' + v);
  }
  return digits;
}

void SetRuleDefaults(RuleSet& rules, int code) {
  if (code == -1) {
    for (int c = 1; c <= kRuleCount; ++c) SetRuleDefaults(rules, c);
    rules.localYakuFlags.fill(0);
    return;
  }
  if (code >= 1 && code <= kRuleCount) {
    rules.value[static_cast<std::size_t>(code)] = static_cast<std::int16_t>(DefaultRuleValue(code));
  }
}

Result<bool> LoadRules(RuleSource& source, RuleSet& rules) {
  Result<std::vector<RuleRow>> rows = source.ReadRuleRows();
  if (!rows.ok()) return rows.status();
  const RuleSet before = rules;
  for (const RuleRow& row : *rows) {
    if (row.code >= 1 && row.code <= kRuleCount) {
      const auto code = static_cast<std::size_t>(row.code);
      if (row.flag == -1) {
        SetRuleDefaults(rules, row.code);
        rules.ruleOwned[code] = false;
      } else {
        rules.value[code] = static_cast<std::int16_t>(row.flag);
        rules.ruleOwned[code] = true;
      }
    } else if (row.code >= kFirstLocalYaku && row.code <= kLastLocalYaku) {
      rules.SetLocalYaku(row.code, row.flag);
    }
  }
  return !(rules == before);
}

}  // namespace mj
