#include "rules/rule_values.h"

namespace mj {

bool StatsEnabled(const RuleSet& rules) { return rules[56] == 0 && rules[57] == 0 && rules[58] == 0; }

Money StartingScore(const RuleSet& rules) { return Money::FromPoints(24000 + 1000 * rules[2]); }

Money HonbaValue(const RuleSet& rules) {
  static constexpr int kPoints[] = {0, 300, 1500, 3000, 4500, 6000, 9000, 12000};
  const int v = rules[6];
  return Money::FromPoints(v >= 0 && v <= 7 ? kPoints[v] : 0);
}

Money ExtensionThreshold(const RuleSet& rules) {
  static constexpr int kPoints[] = {30000, 30100, 31000, 33000, 35000};
  const int v = rules[50];
  return Money::FromPoints(v >= 0 && v <= 4 ? kPoints[v] : 30000);
}

bool DoraInPlay(const RuleSet& rules) { return rules[4] != 0; }

bool TwoIndicatorsAtStart(const RuleSet& rules) { return DoraInPlay(rules) && rules[55] == 1; }

bool KanDoraInPlay(const RuleSet& rules) { return DoraInPlay(rules) && rules[19] != 0; }

}  // namespace mj
