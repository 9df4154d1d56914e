// Per-player options and sound paths; outside the check values.
#include <string>

#include "store/data_store.h"
#include "store/schema_names.h"
#include "store/sql_text.h"
#include "store/statement_helpers.h"

namespace mj::store {

Result<std::optional<OptionRow>> DataStore::LoadOption(std::int16_t userCode, std::int16_t code) const {
  using namespace options;
  static const std::string sql = Sql({"SELECT ", ColumnList({kFlag, kRecordPath, kWallpaperPath}), " FROM ", kTable,
                                      " WHERE ", kUserCode, " = ?1 AND ", kCode, " = ?2"});
  return ReadOneRow<OptionRow>(
      *this, sql, [&](Statement& st) { st.Bind(1, std::int64_t{userCode}).Bind(2, std::int64_t{code}); },
      [](const Statement& st) { return OptionRow{static_cast<std::int16_t>(st.Int(0)), st.Text(1), st.Text(2)}; });
}

Result<std::optional<std::string>> DataStore::LoadSound(std::int16_t userCode, std::int16_t code) const {
  using namespace sounds;
  static const std::string sql =
      Sql({"SELECT ", kPath, " FROM ", kTable, " WHERE ", kUserCode, " = ?1 AND ", kCode, " = ?2"});
  return ReadOneRow<std::string>(
      *this, sql, [&](Statement& st) { st.Bind(1, std::int64_t{userCode}).Bind(2, std::int64_t{code}); },
      [](const Statement& st) { return st.Text(0); });
}

Status DataStore::SaveOption(std::int16_t userCode, std::int16_t code, std::int16_t value,
                             std::string_view recordPath, std::string_view wallpaperPath) {
  using namespace options;
  static const std::string sql =
      Sql({"INSERT INTO ", kTable, " (", ColumnList({kUserCode, kCode, kFlag, kRecordPath, kWallpaperPath}),
           ") VALUES (?1, ?2, ?3, ?4, ?5) ON CONFLICT (", ColumnList({kUserCode, kCode}), ") DO UPDATE SET ", kFlag,
           " = excluded.", kFlag, ", ", kRecordPath, " = excluded.", kRecordPath, ", ", kWallpaperPath,
           " = excluded.", kWallpaperPath});
  return Write([&](Connection& db) {
    return RunStatement(db, sql, [&](Statement& st) {
             st.Bind(1, std::int64_t{userCode}).Bind(2, std::int64_t{code}).Bind(3, std::int64_t{value});
             st.Bind(4, recordPath).Bind(5, wallpaperPath);
           })
        .status();
  });
}

Status DataStore::SaveSound(std::int16_t userCode, std::int16_t code, std::string_view path) {
  using namespace sounds;
  static const std::string sql = Sql({"INSERT INTO ", kTable, " (", ColumnList({kUserCode, kCode, kPath}),
                                      ") VALUES (?1, ?2, ?3) ON CONFLICT (", ColumnList({kUserCode, kCode}),
                                      ") DO UPDATE SET ", kPath, " = excluded.", kPath});
  return Write([&](Connection& db) {
    return RunStatement(db, sql, [&](Statement& st) {
             st.Bind(1, std::int64_t{userCode}).Bind(2, std::int64_t{code}).Bind(3, path);
           })
        .status();
  });
}

}  // namespace mj::store
