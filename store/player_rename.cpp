// Renaming a player from the records window.
#include <string>

#include "common/sjis_text.h"
#include "store/error_text.h"
#include "store/records_maintenance.h"
#include "store/schema_names.h"
#include "store/sql_text.h"
#include "store/statement_helpers.h"

namespace mj::store {
namespace {

constexpr int kMaxNameBytes = 12;

std::string Trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(" \t");
  return std::string(text.substr(first, last - first + 1));
}

// Quotes and brackets are refused as the name screen refuses them; so is
// anything the record file's code page cannot hold, or a control character.
bool HasUnusableCharacter(std::string_view name) {
  for (char c : name) {
    if (c == '"' || c == '[' || c == ']' || (static_cast<unsigned char>(c) < 0x20)) return true;
  }
  return !IsShiftJisText(name);
}

enum class Stored : std::uint8_t { Renamed, NameTaken, LookupFailed, UpdateFailed };

// The lookup and the update in one transaction, so two machines cannot both
// take the same free name.
Stored StoreName(DataStore& store, std::int16_t code, const std::string& name, Status& failure) {
  using namespace users;
  static const std::string lookup = Sql({"SELECT ", kCode, " FROM ", kTable, " WHERE ", kName, " = ?1"});
  static const std::string update = Sql({"UPDATE ", kTable, " SET ", kName, " = ?1 WHERE ", kCode, " = ?2"});
  Stored result = Stored::LookupFailed;
  failure = store.Write([&](Connection& db) -> Status {
    bool taken = false;
    Status s = ForEachRow(db, lookup, [&](Statement& st) { st.Bind(1, name); },
                          [&](const Statement&) { taken = true; });
    if (!s.ok()) return s;
    if (taken) {
      result = Stored::NameTaken;
      return Status::Ok();
    }
    result = Stored::UpdateFailed;
    Result<int> changed =
        RunStatement(db, update, [&](Statement& st) { st.Bind(1, name).Bind(2, std::int64_t{code}); });
    if (changed.ok() && *changed > 0) result = Stored::Renamed;
    return changed.status();
  });
  // A commit that failed after the update leaves the old name in the file.
  if (!failure.ok() && result == Stored::Renamed) result = Stored::UpdateFailed;
  return result;
}

}  // namespace

MaintenanceOutcome RenamePlayer(DataStore& store, std::int16_t code, std::string_view oldName,
                                std::span<Player> players) {
  Dialogs& dialogs = store.dialogs();
  std::string name;
  for (;;) {
    std::optional<std::string> answer =
        dialogs.AskText("名前を入力して下さい\n\n最大で全角６文字、半角１２文字です", "名前変更", oldName);
    name = Trimmed(answer.value_or(""));
    if (name.empty()) return MaintenanceOutcome::Cancelled;
    if (ByteLength(name) > kMaxNameBytes) {
      dialogs.ShowInfo("入力した名前が長すぎます");
    } else if (HasUnusableCharacter(name)) {
      dialogs.ShowInfo("入力した名前に使用できない文字が含まれています");
    } else {
      break;
    }
  }
  if (name == oldName) return MaintenanceOutcome::Cancelled;

  Status failure;
  switch (StoreName(store, code, name, failure)) {
    case Stored::NameTaken:
      dialogs.ShowInfo("既に同一名のユーザーが存在しています");
      return MaintenanceOutcome::Cancelled;
    case Stored::LookupFailed:
      dialogs.ShowError(UnexpectedErrorText("(ERR01 =", failure.code()));
      return MaintenanceOutcome::Failed;
    case Stored::UpdateFailed:
      dialogs.ShowError(kUserUpdateFailedText);
      return MaintenanceOutcome::Failed;
    case Stored::Renamed: break;
  }
  for (Player& p : players) {
    if (p.userCode == code) p.name = name;
  }
  return MaintenanceOutcome::Done;
}

}  // namespace mj::store
