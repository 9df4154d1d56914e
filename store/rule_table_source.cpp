#include "store/rule_table_source.h"

#include <string>

#include "store/schema_names.h"
#include "store/sql_text.h"
#include "store/statement_helpers.h"

namespace mj::store {

Result<std::vector<RuleRow>> RuleTableSource::ReadRuleRows() {
  using namespace rules;
  static const std::string sql =
      Sql({"SELECT ", ColumnList({kCode, kFlag}), " FROM ", kTable, " WHERE ", kCode, " BETWEEN 1 AND ?1 OR ", kCode,
           " BETWEEN ?2 AND ?3 ORDER BY ", kCode});
  return ReadRows<RuleRow>(
      store_, sql,
      [](Statement& st) {
        st.Bind(1, std::int64_t{kRuleCount}).Bind(2, std::int64_t{kFirstLocalYaku}).Bind(3, std::int64_t{kLastLocalYaku});
      },
      [](const Statement& st) { return RuleRow{static_cast<int>(st.Int(0)), static_cast<int>(st.Int(1))}; });
}

}  // namespace mj::store
