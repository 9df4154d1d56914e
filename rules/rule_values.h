#pragma once
// Numbers the table derives from rule values, and how rules depend on each other.
#include "common/money.h"
#include "rules/rule_set.h"

namespace mj {

// Statistics other than the yaku win counts are kept only when rules 56
// (ＣＰＵ自摸切り), 57 (ＣＰＵ手牌公開) and 58 (山牌公開) are all off.
bool StatsEnabled(const RuleSet& rules);
// Rule 2 (持ち点): 24000 + 1000 × value.
Money StartingScore(const RuleSet& rules);
// Rule 6 (１本場点数).
Money HonbaValue(const RuleSet& rules);
// Rule 50 (確定点数): the score that ends an extension round.
Money ExtensionThreshold(const RuleSet& rules);
// Rule 4 (ドラ) off suppresses every indicator: the first, rule 55's second, and kan dora.
bool DoraInPlay(const RuleSet& rules);
// Rule 55 (ドラ２枚めくり) acts only while dora are in play.
bool TwoIndicatorsAtStart(const RuleSet& rules);
// Rule 19 (槓ドラ・槓裏) flips kan dora only while dora are in play.
bool KanDoraInPlay(const RuleSet& rules);

}  // namespace mj
