// The user table: reading a row, adding statistics, unlocking characters.
#include <string>

#include "store/data_store.h"
#include "store/schema_names.h"
#include "store/sql_text.h"
#include "store/statement_helpers.h"
#include "store/user_columns.h"

namespace mj::store {
namespace {

using namespace users;

constexpr int kRatingParameter = static_cast<int>(kCountColumns.size()) + 1;  // ?13
constexpr int kCodeParameter = kRatingParameter + 1;                          // ?14
constexpr int kNameParameter = kCodeParameter + 1;                            // ?15
constexpr int kHumanFlagParameter = kNameParameter + 1;                       // ?16

// One statement adds every amount, so processes sharing the file never lose
// each other's increments; an empty column counts as 0.
const std::string& AddStatsSql() {
  static const std::string sql = [] {
    std::string text = Sql({"UPDATE ", kTable, " SET "});
    int parameter = 1;
    for (std::string_view c : kCountColumns) {
      text += Sql({c, " = COALESCE(", c, ", 0) + ?", std::to_string(parameter++), ", "});
    }
    return text + Sql({kRating, " = to_single(COALESCE(", kRating, ", 0) + ?", std::to_string(kRatingParameter),
                       ") WHERE ", kCode, " = ?", std::to_string(kCodeParameter)});
  }();
  return sql;
}

const std::string& InsertUserSql() {
  static const std::string sql = [] {
    std::string columns = ColumnList({kCode, kName, kHumanFlag});
    std::string values = Sql({"?", std::to_string(kCodeParameter), ", ?", std::to_string(kNameParameter), ", ?",
                              std::to_string(kHumanFlagParameter)});
    int parameter = 1;
    for (std::string_view c : kCountColumns) {
      columns += Sql({", ", c});
      values += ", ?" + std::to_string(parameter++);
    }
    columns += Sql({", ", kRating, ", ", kEnabledFlag});
    values += ", to_single(?" + std::to_string(kRatingParameter) + "), 1";
    return Sql({"INSERT INTO ", kTable, " (", columns, ") VALUES (", values, ")"});
  }();
  return sql;
}

void BindDelta(Statement& st, const StatsDelta& delta) {
  const auto counts = CountsOf(delta.amounts);
  for (std::size_t i = 0; i < counts.size(); ++i) st.Bind(static_cast<int>(i) + 1, std::int64_t{counts[i]});
  st.Bind(kRatingParameter, static_cast<double>(delta.amounts.rating));
  st.Bind(kCodeParameter, std::int64_t{delta.code});
}

}  // namespace

Result<std::optional<UserRow>> DataStore::LoadUser(std::int16_t code, bool enabledOnly) const {
  static const std::string sql = Sql({"SELECT ", UserRowColumns(), " FROM ", kTable, " WHERE ", kCode,
                                      " = ?1 AND (?2 = 0 OR ", kEnabledFlag, " = 1)"});
  return ReadOneRow<UserRow>(
      *this, sql, [&](Statement& st) { st.Bind(1, std::int64_t{code}).Bind(2, std::int64_t{enabledOnly}); },
      ReadUserRow);
}

Result<std::vector<UserRow>> DataStore::LoadUsers(bool cpuCharacters) const {
  static const std::string sql =
      Sql({"SELECT ", UserRowColumns(), " FROM ", kTable, " WHERE (?1 = 0 AND ", kHumanFlag, " = 0) OR (?1 = 1 AND ",
           kHumanFlag, " = 1 AND ", kCode, " >= ?2 AND ", kEnabledFlag, " = 1) ORDER BY ", kCode});
  return ReadRows<UserRow>(
      *this, sql,
      [&](Statement& st) { st.Bind(1, std::int64_t{cpuCharacters}).Bind(2, std::int64_t{kFirstCpuCode}); },
      ReadUserRow);
}

Result<bool> DataStore::AddUserStats(const StatsDelta& delta) {
  if (!statsEnabled) return true;
  bool written = false;
  Status s = Change([&](Connection& db) -> Result<bool> {
    Result<int> updated = RunStatement(db, AddStatsSql(), [&](Statement& st) { BindDelta(st, delta); });
    if (!updated.ok()) return updated.status();
    if (*updated == 0) {
      if (delta.name.empty()) return false;
      Result<int> inserted = RunStatement(db, InsertUserSql(), [&](Statement& st) {
        BindDelta(st, delta);
        st.Bind(kNameParameter, delta.name).Bind(kHumanFlagParameter, std::int64_t{delta.isCpu ? 1 : 0});
      });
      if (!inserted.ok()) return inserted.status();
    }
    written = true;
    return true;
  });
  if (!s.ok()) return s;
  return written;
}

bool DataStore::UnlockCharacter(int stage) {
  const auto code = static_cast<std::int16_t>(stage + 1005);
  Result<std::optional<UserRow>> row = LoadUser(code, false);
  if (!row.ok() || !row->has_value()) {
    dialogs_.ShowError(kUserReadFailedText);
    return false;
  }
  if ((*row)->enabled) return true;
  bool unlocked = false;
  Status s = Change([&](Connection& db) -> Result<bool> {
    static const std::string sql = Sql({"UPDATE ", kTable, " SET ", kEnabledFlag, " = 1 WHERE ", kCode,
                                        " = ?1 AND COALESCE(", kEnabledFlag, ", 0) = 0"});
    Result<int> changed = RunStatement(db, sql, [&](Statement& st) { st.Bind(1, std::int64_t{code}); });
    if (!changed.ok()) return changed.status();
    unlocked = *changed > 0;
    return unlocked;
  });
  if (!s.ok()) {
    dialogs_.ShowError(kUserUpdateFailedText);
    return false;
  }
  // Another machine may have unlocked it a moment earlier: then it was not won here.
  if (unlocked) dialogs_.ShowInfo("新キャラクター「" + (*row)->name + "」を入手しました");
  return true;
}

}  // namespace mj::store
