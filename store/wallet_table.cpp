// The money row, コード 1.
#include <string>

#include "store/column_values.h"
#include "store/data_store.h"
#include "store/schema_names.h"
#include "store/sql_text.h"
#include "store/statement_helpers.h"

namespace mj::store {

using namespace wallet;

Result<std::optional<WalletRow>> DataStore::LoadWallet() const {
  static const std::string sql =
      Sql({"SELECT ", ColumnList({kMoney, kCheckDigit, kCheckCalc}), " FROM ", kTable, " WHERE ", kCode, " = 1"});
  return ReadOneRow<WalletRow>(*this, sql, nullptr, [](const Statement& st) {
    return WalletRow{ReadCurrency(st, 0), static_cast<std::int32_t>(st.Int(1)), static_cast<std::int32_t>(st.Int(2))};
  });
}

Status DataStore::SaveMoney() {
  static const std::string sql = Sql({"UPDATE ", kTable, " SET ", kMoney, " = ?1 WHERE ", kCode, " = 1"});
  return Change([&](Connection& db) -> Result<bool> {
    Result<int> changed = RunStatement(db, sql, [&](Statement& st) { BindCurrency(st, 1, money); });
    if (!changed.ok()) return changed.status();
    return true;  // a missing row fails with the check values' update
  });
}

}  // namespace mj::store
