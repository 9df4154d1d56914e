#pragma once
// The rule table as the source LoadRules reads.
#include "rules/rule_set.h"
#include "store/data_store.h"

namespace mj::store {

class RuleTableSource final : public RuleSource {
 public:
  explicit RuleTableSource(const DataStore& store) : store_(store) {}
  // The rows of rules 1-58 and local yaku 101-140, by code.
  Result<std::vector<RuleRow>> ReadRuleRows() override;

 private:
  const DataStore& store_;
};

}  // namespace mj::store
