#include "store/records_maintenance.h"

#include <string>
#include <vector>

#include "store/error_text.h"
#include "store/schema_names.h"
#include "store/sql_text.h"
#include "store/statement_helpers.h"
#include "store/user_columns.h"

namespace mj::store {
namespace {

struct Step {
  std::string_view tag;  // the call-site tag a failure of this step shows
  std::string sql;
  bool bindsCode = false;  // ?1 is the player's code
};

// All steps and the check values in one transaction: a failure anywhere
// leaves the file as it was, never half reset with stale check values.
MaintenanceOutcome RunSteps(DataStore& store, const std::vector<Step>& steps, std::int16_t code) {
  std::string_view failedTag = steps.front().tag;
  Status s = store.Change([&](Connection& db) -> Result<bool> {
    for (const Step& step : steps) {
      failedTag = step.tag;
      Result<int> r = RunStatement(db, step.sql, [&](Statement& st) {
        if (step.bindsCode) st.Bind(1, std::int64_t{code});
      });
      if (!r.ok()) return r.status();
    }
    return true;
  });
  if (!s.ok()) {
    store.dialogs().ShowError(UnexpectedErrorText(failedTag, s.code()));
    return MaintenanceOutcome::Failed;
  }
  return MaintenanceOutcome::Done;
}

// 試合数 … 四位 back to 0 (経験値 is kept); a human's rating starts again too.
std::string ClearCountsSql(bool cpu) {
  std::string sets;
  for (std::size_t i = 0; i + 1 < kCountColumns.size(); ++i) {
    sets += Sql({sets.empty() ? "" : ", ", kCountColumns[i], " = 0"});
  }
  if (!cpu) sets += Sql({", ", users::kRating, " = ", std::to_string(static_cast<int>(kNewPlayerRating))});
  return Sql({"UPDATE ", users::kTable, " SET ", sets, " WHERE ", users::kHumanFlag, cpu ? " = 1" : " = 0"});
}

std::string LocalYakuOffSql() {
  return Sql({"UPDATE ", rules::kTable, " SET ", rules::kFlag, " = 0 WHERE ", rules::kCode, " > 100"});
}

}  // namespace

MaintenanceOutcome ResetAllRecords(DataStore& store) {
  if (!store.dialogs().AskYesNo("成績を全て初期化してよろしいですか？\n（経験値は初期化されません）")) {
    return MaintenanceOutcome::Cancelled;
  }
  static const std::vector<Step> steps = {
      {"(ERR02 =", ClearCountsSql(false)},
      {"(ERR35 =", ClearCountsSql(true)},
      {"(ERR03 =", LocalYakuOffSql()},
      {"(ERR04 =", Sql({"DELETE FROM ", yaku::kTable})},
  };
  return RunSteps(store, steps, 0);
}

MaintenanceOutcome DeletePlayer(DataStore& store, std::int16_t code, std::string_view name) {
  // Only human players can be removed: the CPU characters are part of the file.
  if (code < 1 || code >= kFirstCpuCode) return MaintenanceOutcome::Cancelled;
  if (!store.dialogs().AskYesNo(std::string(name) + "を削除してよろしいですか？\n（ローカル役の設定が元に戻ります）")) {
    return MaintenanceOutcome::Cancelled;
  }
  static const std::vector<Step> steps = {
      {"(ERR05 =",
       Sql({"DELETE FROM ", users::kTable, " WHERE ", users::kCode, " = ?1 AND ", users::kHumanFlag, " = 0"}), true},
      {"(ERR06 =", LocalYakuOffSql()},
      {"(ERR07 =", Sql({"DELETE FROM ", yaku::kTable, " WHERE ", yaku::kUserCode, " = ?1"}), true},
      {"(ERR08 =", Sql({"DELETE FROM ", options::kTable, " WHERE ", options::kUserCode, " = ?1"}), true},
      {"(ERR09 =", Sql({"DELETE FROM ", sounds::kTable, " WHERE ", sounds::kUserCode, " = ?1"}), true},
      {"(ERR10 =", Sql({"DELETE FROM ", lobby::kTable, " WHERE ", lobby::kCode, " = ?1"}), true},
  };
  return RunSteps(store, steps, code);
}

}  // namespace mj::store
