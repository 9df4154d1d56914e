// The rule table: one row per rule and per local yaku.
#include <string>

#include "store/column_values.h"
#include "store/data_store.h"
#include "store/schema_names.h"
#include "store/sql_text.h"
#include "store/statement_helpers.h"

namespace mj::store {

using namespace rules;

Result<std::optional<RuleTableRow>> DataStore::LoadRule(std::int16_t code) const {
  static const std::string sql = Sql({"SELECT ", ColumnList({kCode, kName, kDescription, kFlag, kPrice}), " FROM ",
                                      kTable, " WHERE ", kCode, " = ?1"});
  return ReadOneRow<RuleTableRow>(
      *this, sql, [&](Statement& st) { st.Bind(1, std::int64_t{code}); },
      [](const Statement& st) {
        return RuleTableRow{static_cast<std::int16_t>(st.Int(0)), st.Text(1), st.Text(2),
                            static_cast<std::int16_t>(st.Int(3)),
                            static_cast<std::int16_t>(ReadCurrency(st, 4).RoundToWhole())};
      });
}

Result<bool> DataStore::SetRuleFlag(std::int16_t code, std::int16_t value) {
  static const std::string sql = Sql({"UPDATE ", kTable, " SET ", kFlag, " = ?1 WHERE ", kCode, " = ?2"});
  bool found = false;
  Status s = Change([&](Connection& db) -> Result<bool> {
    Result<int> changed =
        RunStatement(db, sql, [&](Statement& st) { st.Bind(1, std::int64_t{value}).Bind(2, std::int64_t{code}); });
    if (!changed.ok()) return changed.status();
    found = *changed > 0;
    return found;
  });
  if (!s.ok()) return s;
  return found;
}

}  // namespace mj::store
