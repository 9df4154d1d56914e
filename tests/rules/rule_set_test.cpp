#include "rules/rule_set.h"

#include <gtest/gtest.h>

#include "rules/rule_catalog.h"
#include "rules/rule_values.h"

namespace mj {
namespace {

class ListedRows final : public RuleSource {
 public:
  explicit ListedRows(std::vector<RuleRow> rows) : rows_(std::move(rows)) {}
  Result<std::vector<RuleRow>> ReadRuleRows() override {
    if (fail_) return Status::Error(3, "locked");
    return rows_;
  }
  bool fail_ = false;

 private:
  std::vector<RuleRow> rows_;
};

TEST(RuleSet, DefaultsComeFromTheDefaultString) {
  const RuleSet rules = RuleSet::Defaults();
  EXPECT_EQ(rules.ToString(), kDefaultRuleString);
  EXPECT_EQ(rules[1], 1);   // 東南戦
  EXPECT_EQ(rules[51], 3);  // +20,+10,-10,-20
  EXPECT_EQ(rules[49], 1);
  for (int code = 1; code <= kRuleCount; ++code) {
    EXPECT_TRUE(rules.ruleOwned[static_cast<std::size_t>(code)]);
    EXPECT_FALSE(RuleChoiceText(code, rules[code]).empty()) << "default of rule " << code << " has no text";
  }
}

TEST(RuleSet, CatalogHoldsTheTabledTexts) {
  EXPECT_EQ(RuleInfoOf(14).label, "喰いタン");
  EXPECT_EQ(RuleChoiceText(1, 4), "一荘戦");
  EXPECT_EQ(RuleChoiceText(2, 6), "30000点");
  EXPECT_EQ(RuleInfoOf(21).choices.size(), 11u);
  EXPECT_EQ(RuleChoiceText(21, 10), "親子共に16000ALL");
  EXPECT_EQ(RuleChoiceText(58, 1), "あり");
  EXPECT_TRUE(RuleChoiceText(14, 2).empty());
  for (int code = 1; code <= kRuleCount; ++code) EXPECT_EQ(RuleInfoOf(code).code, code);
}

TEST(RuleSet, StringRoundTripAndRefusal) {
  std::string digits(kDefaultRuleString);
  digits[20] = 'A';  // rule 21 value 10
  auto rules = RuleSet::FromString(digits);
  ASSERT_TRUE(rules.ok()) << rules.status().message();
  EXPECT_EQ((*rules)[21], 10);
  EXPECT_EQ(rules->ToString(), digits);
  digits[13] = '2';  // rule 14 has only 0 and 1
  auto bad = RuleSet::FromString(digits);
  ASSERT_FALSE(bad.ok());
  EXPECT_NE(bad.status().message().find("喰いタン"), std::string::npos);
  EXPECT_FALSE(RuleSet::FromString("110").ok());
}

TEST(RuleSet, SetRuleDefaultsAllAlsoTurnsLocalYakuOff) {
  RuleSet rules = RuleSet::Defaults();
  rules.value[14] = 1;
  rules.SetLocalYaku(111, 1);
  SetRuleDefaults(rules, 14);
  EXPECT_EQ(rules[14], 0);
  EXPECT_TRUE(rules.LocalYakuOn(111));
  SetRuleDefaults(rules, -1);
  EXPECT_FALSE(rules.LocalYakuOn(111));
}

TEST(LoadRules, NotOwnedRowPlaysAtItsDefault) {
  RuleSet rules = RuleSet::Defaults();
  rules.value[51] = 0;
  ListedRows source({{51, -1}, {14, 1}, {111, 1}, {112, 2}, {99, 5}});
  auto changed = LoadRules(source, rules);
  ASSERT_TRUE(changed.ok());
  EXPECT_TRUE(*changed);
  EXPECT_EQ(rules[51], 3);
  EXPECT_FALSE(rules.ruleOwned[51]);
  EXPECT_EQ(rules[14], 1);
  EXPECT_TRUE(rules.ruleOwned[14]);
  EXPECT_TRUE(rules.LocalYakuOn(111));
  EXPECT_FALSE(rules.LocalYakuOn(112));  // in force only at exactly 1
  EXPECT_EQ(rules.localYakuFlags[12], 2);  // but the flag is copied unchanged

  auto again = LoadRules(source, rules);
  ASSERT_TRUE(again.ok());
  EXPECT_FALSE(*again);
}

TEST(LoadRules, FailedReadLeavesRulesAlone) {
  RuleSet rules = RuleSet::Defaults();
  ListedRows source({{14, 1}});
  source.fail_ = true;
  EXPECT_FALSE(LoadRules(source, rules).ok());
  EXPECT_EQ(rules, RuleSet::Defaults());
}

TEST(RuleValues, DerivedNumbersAndDependencies) {
  RuleSet rules = RuleSet::Defaults();
  EXPECT_TRUE(StatsEnabled(rules));
  EXPECT_EQ(StartingScore(rules), Money::FromPoints(25000));
  EXPECT_EQ(HonbaValue(rules), Money::FromPoints(300));
  EXPECT_EQ(ExtensionThreshold(rules), Money::FromPoints(30000));
  rules.value[57] = 1;
  EXPECT_FALSE(StatsEnabled(rules));
  rules.value[55] = 1;
  rules.value[4] = 0;
  EXPECT_FALSE(TwoIndicatorsAtStart(rules));
  EXPECT_FALSE(KanDoraInPlay(rules));
  rules.value[4] = 1;
  EXPECT_TRUE(TwoIndicatorsAtStart(rules));
}

}  // namespace
}  // namespace mj
