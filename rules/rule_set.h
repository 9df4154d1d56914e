#pragma once
// The 58 rules and the 40 switchable local yaku a table plays under. A value
// type: the table copies it when it opens and nothing changes it during play.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "common/result.h"

namespace mj {

constexpr int kRuleCount = 58;
constexpr int kFirstLocalYaku = 101;
constexpr int kLastLocalYaku = 140;  // 141 (open riichi with a win on it) is not switchable
constexpr int kLocalYakuCount = kLastLocalYaku - kFirstLocalYaku + 1;
// Character N is the default value of rule N.
constexpr std::string_view kDefaultRuleString = "1102112001100011112012010011101110100011001001111031100000";

struct RuleSet {
  // value[N] is rule N's value: the 0-based position of its choice. [0] unused.
  std::array<std::int16_t, kRuleCount + 1> value{};
  // A rule not owned plays at its default and cannot be changed on the rules screen.
  std::array<bool, kRuleCount + 1> ruleOwned{};
  // localYakuFlags[code - 100] for codes 101-140; in force only when exactly 1.
  std::array<std::int16_t, kLocalYakuCount + 1> localYakuFlags{};

  int operator[](int code) const { return value[static_cast<std::size_t>(code)]; }
  bool LocalYakuOn(int code) const {
    return code >= kFirstLocalYaku && code <= kLastLocalYaku &&
           localYakuFlags[static_cast<std::size_t>(code - 100)] == 1;
  }
  void SetLocalYaku(int code, int flag) { localYakuFlags[static_cast<std::size_t>(code - 100)] = static_cast<std::int16_t>(flag); }

  // Every rule at its default and owned, every local yaku off.
  static RuleSet Defaults();
  // The rules of a 58-character string such as kDefaultRuleString, one
  // character per rule; rule 21's value 10 is written 'A'. An error names the
  // first rule whose character is not one of its values.
  static Result<RuleSet> FromString(std::string_view digits);
  std::string ToString() const;

  bool operator==(const RuleSet&) const = default;
};

int DefaultRuleValue(int code);

// code 1-58: that rule back to its default; code -1: every rule, and every
// local yaku off.
void SetRuleDefaults(RuleSet& rules, int code);

// One row of the rule table: code 1-58 (flag -1 = not owned, else the value)
// or 101-140 (the local yaku flag).
struct RuleRow {
  int code = 0;
  int flag = 0;
};

// Where LoadRules reads its rows; the data file implements it.
class RuleSource {
 public:
  virtual ~RuleSource() = default;
  virtual Result<std::vector<RuleRow>> ReadRuleRows() = 0;
};

// Reads every rule and local-yaku row into rules. The value is whether any
// rule value, ownership or local yaku flag differs from what was held before.
Result<bool> LoadRules(RuleSource& source, RuleSet& rules);

}  // namespace mj
