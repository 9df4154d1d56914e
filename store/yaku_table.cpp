// The yaku table: per player and yaku, the wins still held.
#include <string>

#include "store/data_store.h"
#include "store/schema_names.h"
#include "store/sql_text.h"
#include "store/statement_helpers.h"

namespace mj::store {
namespace {

using namespace yaku;

YakuRecord ReadYakuRecord(const Statement& st) {
  return YakuRecord{static_cast<std::int16_t>(st.Int(0)), st.Text(1), static_cast<std::int32_t>(st.Int(2))};
}

const std::string& YakuColumns() {
  static const std::string columns = ColumnList({kCode, kName, kWinCount});
  return columns;
}

}  // namespace

Result<std::optional<YakuRecord>> DataStore::LoadYakuRecord(std::int16_t userCode, std::int16_t code) const {
  static const std::string sql =
      Sql({"SELECT ", YakuColumns(), " FROM ", kTable, " WHERE ", kUserCode, " = ?1 AND ", kCode, " = ?2"});
  return ReadOneRow<YakuRecord>(
      *this, sql, [&](Statement& st) { st.Bind(1, std::int64_t{userCode}).Bind(2, std::int64_t{code}); },
      ReadYakuRecord);
}

Result<std::vector<YakuRecord>> DataStore::LoadYakuRecords(std::int16_t userCode) const {
  static const std::string sql =
      Sql({"SELECT ", YakuColumns(), " FROM ", kTable, " WHERE ", kUserCode, " = ?1 ORDER BY ", kCode});
  return ReadRows<YakuRecord>(
      *this, sql, [&](Statement& st) { st.Bind(1, std::int64_t{userCode}); }, ReadYakuRecord);
}

Status DataStore::AddYakuWins(std::int16_t userCode, std::int16_t code, std::string_view name, std::int32_t count) {
  // One statement adds to the row or creates it, so two processes never
  // both create it or lose each other's wins.
  static const std::string addSql =
      Sql({"INSERT INTO ", kTable, " (", ColumnList({kUserCode, kCode, kName, kWinCount}),
           ") VALUES (?1, ?2, ?3, ?4) ON CONFLICT (", ColumnList({kUserCode, kCode}), ") DO UPDATE SET ", kWinCount,
           " = COALESCE(", kWinCount, ", 0) + excluded.", kWinCount});
  // Wins are only taken from a row that holds them. ?3 (the name) is not
  // used here, but its number stays in range because ?4 is.
  static const std::string takeSql = Sql({"UPDATE ", kTable, " SET ", kWinCount, " = COALESCE(", kWinCount,
                                          ", 0) + ?4 WHERE ", kUserCode, " = ?1 AND ", kCode, " = ?2"});
  return Change([&](Connection& db) -> Result<bool> {
    Result<int> changed = RunStatement(db, count < 0 ? takeSql : addSql, [&](Statement& st) {
      st.Bind(1, std::int64_t{userCode}).Bind(2, std::int64_t{code}).Bind(3, name).Bind(4, std::int64_t{count});
    });
    if (!changed.ok()) return changed.status();
    return *changed > 0;
  });
}

Status DataStore::RemoveEmptyYakuRecords(std::int16_t userCode, std::optional<std::int16_t> code) {
  static const std::string sql = Sql({"DELETE FROM ", kTable, " WHERE ", kUserCode, " = ?1 AND COALESCE(", kWinCount,
                                      ", 0) <= 0 AND (?2 = 0 OR ", kCode, " = ?2)"});
  return Change([&](Connection& db) -> Result<bool> {
    Result<int> changed = RunStatement(db, sql, [&](Statement& st) {
      st.Bind(1, std::int64_t{userCode}).Bind(2, std::int64_t{code.value_or(0)});
    });
    if (!changed.ok()) return changed.status();
    return *changed > 0;
  });
}

}  // namespace mj::store
