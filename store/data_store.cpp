#include "store/data_store.h"

#include <sqlite3.h>

#include <utility>

#include "common/text_file.h"
#include "store/column_values.h"
#include "store/file_problem.h"
#include "store/schema_names.h"
#include "store/sql_text.h"
#include "store/sqlite_connection.h"
#include "store/statement_helpers.h"

namespace mj::store {
namespace {

const std::string& UserSumsSql() {
  using namespace users;
  static const std::string sql =
      Sql({"SELECT ",
           ColumnList({kCode, kHumanFlag, kGames, kHands, kWins, kDealIns, kRiichis, kCalls, kPoints, kFirsts,
                       kSeconds, kThirds, kFourths, kExperience, kEnabledFlag, kRating}),
           " FROM ", kTable, " ORDER BY ", kCode});
  return sql;
}

const std::string& RuleSumsSql() {
  using namespace rules;
  static const std::string sql =
      Sql({"SELECT ", ColumnList({kCode, kFlag, kPrice}), " FROM ", kTable, " ORDER BY ", kCode});
  return sql;
}

const std::string& YakuSumsSql() {
  using namespace yaku;
  static const std::string sql = Sql({"SELECT ", ColumnList({kUserCode, kCode, kWinCount}), " FROM ", kTable,
                                      " ORDER BY ", kUserCode, ", ", kCode});
  return sql;
}

constexpr int kUserIntegerColumns = 15;
constexpr std::int64_t kTableCount = 7;

// Rows in key order, so every process adds the ratings in the same order and
// reaches the same single-precision sum.
Result<CheckSums> ReadCheckSums(Connection& db) {
  CheckSums sums;
  Status s = ForEachRow(db, UserSumsSql(), nullptr, [&](const Statement& st) {
    for (int c = 0; c < kUserIntegerColumns; ++c) sums.integerSum += st.Int(c);
    sums.singleSum += static_cast<float>(st.Real(kUserIntegerColumns));
  });
  if (s.ok()) {
    s = ForEachRow(db, RuleSumsSql(), nullptr, [&](const Statement& st) {
      sums.integerSum += st.Int(0) + st.Int(1) + ReadCurrency(st, 2).RoundToWhole();
    });
  }
  if (s.ok()) {
    s = ForEachRow(db, YakuSumsSql(), nullptr, [&](const Statement& st) { sums.integerSum += st.Int(0) + st.Int(1) + st.Int(2); });
  }
  if (!s.ok()) return s;
  return sums;
}

Status NoWalletRow() { return Status::Error(SQLITE_ERROR, Sql({wallet::kTable, " has no row 1"})); }

}  // namespace

DataStore::DataStore(std::string dataFilePath, Dialogs& dialogs, LockWait* lockWait)
    : dataFilePath_(std::move(dataFilePath)), dialogs_(dialogs), lockWait_(lockWait) {}

Status DataStore::Use(const std::function<Status(Connection&)>& body) const {
  if (!FileExists(dataFilePath_)) {
    return Status::Error(SQLITE_CANTOPEN, std::string(kMissingText) + ": " + dataFilePath_);
  }
  Status result;
  {
    Result<std::unique_ptr<Connection>> db = Connection::Open(dataFilePath_, lockWait_);
    result = db.ok() ? body(**db) : db.status();
  }  // closed before anything looks at the file again
  if (ProblemOf(result) != FileProblem::Damaged) return result;
  Result<std::string> copy = CopyDamagedFileAside(dataFilePath_);
  if (!copy.ok()) return Status::Error(result.code(), std::string(kDamagedText) + "（" + copy.status().message() + "）");
  return DamagedStatus(result.code(), *copy);
}

Status DataStore::CheckFile() const {
  if (FileExists(dataFilePath_) && CannotWrite(dataFilePath_)) {
    return Status::Error(SQLITE_READONLY, std::string(kReadOnlyText) + ": " + dataFilePath_);
  }
  Status journal = Use([](Connection& db) -> Status {
    // The file may sit on a share used by several machines, where a
    // write-ahead log does not work: a file switched to one goes back to the
    // rollback journal before anything else uses it.
    std::string mode;
    Status s = ForEachRow(db, "PRAGMA journal_mode", nullptr, [&](const Statement& st) { mode = st.Text(0); });
    if (!s.ok() || mode != "wal") return s;
    return db.Exec("PRAGMA journal_mode = DELETE");
  });
  if (!journal.ok()) return journal;
  return Read([](Connection& db) -> Status {
    std::string verdict;
    Status s = ForEachRow(db, "PRAGMA quick_check", nullptr, [&](const Statement& st) {
      if (verdict.empty()) verdict = st.Text(0);
    });
    if (!s.ok()) return s;
    if (verdict != "ok") return Status::Error(SQLITE_CORRUPT, verdict);
    // A file without the game's tables (an empty or cut-short copy) is as
    // unusable as a damaged one.
    static const std::string tables = Sql({"SELECT COUNT(*) FROM sqlite_master WHERE type = 'table' AND name IN ('",
                                           users::kTable, "', '", rules::kTable, "', '", yaku::kTable, "', '",
                                           options::kTable, "', '", sounds::kTable, "', '", wallet::kTable, "', '",
                                           lobby::kTable, "')"});
    std::int64_t found = 0;
    s = ForEachRow(db, tables, nullptr, [&](const Statement& st) { found = st.Int(0); });
    if (s.ok() && found != kTableCount) return Status::Error(SQLITE_CORRUPT, "the file lacks the game's tables");
    return s;
  });
}

Status DataStore::Read(const std::function<Status(Connection&)>& body) const {
  return Use([&](Connection& db) {
    Transaction tx(db, Transaction::Kind::Read);
    Status s = tx.Begin();
    return s.ok() ? body(db) : s;
  });
}

Status DataStore::Write(const std::function<Status(Connection&)>& body) {
  return Use([&](Connection& db) {
    Transaction tx(db, Transaction::Kind::Write);
    Status s = tx.Begin();
    if (s.ok()) s = body(db);
    return s.ok() ? tx.Commit() : s;
  });
}

Status DataStore::Change(const std::function<Result<bool>(Connection&)>& body) {
  return Use([&](Connection& db) -> Status {
    Transaction tx(db, Transaction::Kind::Write);
    if (Status s = tx.Begin(); !s.ok()) return s;
    Result<bool> changed = body(db);
    if (!changed.ok()) return changed.status();
    if (!*changed) return Status::Ok();
    Result<CheckValues> values = StoreChecksumIn(db);
    if (!values.ok()) return values.status();
    if (Status s = tx.Commit(); !s.ok()) return s;
    checkValues = *values;
    return Status::Ok();
  });
}

Result<CheckValues> DataStore::StoreChecksumIn(Connection& db) const {
  Result<CheckSums> sums = ReadCheckSums(db);
  if (!sums.ok()) return sums.status();
  const CheckValues values = CheckValuesOf(ChecksumTotal(*sums, money));
  using namespace wallet;
  static const std::string sql =
      Sql({"UPDATE ", kTable, " SET ", kCheckDigit, " = ?1, ", kCheckCalc, " = ?2 WHERE ", kCode, " = 1"});
  Result<int> changed = RunStatement(db, sql, [&](Statement& st) {
    st.Bind(1, std::int64_t{values.checkDigit}).Bind(2, std::int64_t{values.checkCalc});
  });
  if (!changed.ok()) return changed.status();
  if (*changed == 0) return NoWalletRow();
  return values;
}

Result<CheckValues> DataStore::ComputeChecksum() {
  CheckSums sums;
  Status s = Read([&](Connection& db) {
    Result<CheckSums> read = ReadCheckSums(db);
    if (read.ok()) sums = *read;
    return read.status();
  });
  if (!s.ok()) return s;
  checkValues = CheckValuesOf(ChecksumTotal(sums, money));
  return checkValues;
}

Status DataStore::StoreChecksum() {
  Status s = Change([](Connection&) -> Result<bool> { return true; });
  if (!s.ok()) dialogs_.ShowError(kWalletUpdateFailedText);
  return s;
}

Result<bool> DataStore::VerifyChecksum() {
  std::optional<CheckValues> stored;
  CheckSums sums;
  Status s = Read([&](Connection& db) -> Status {
    using namespace wallet;
    static const std::string sql =
        Sql({"SELECT ", ColumnList({kCheckDigit, kCheckCalc}), " FROM ", kTable, " WHERE ", kCode, " = 1"});
    Status s = ForEachRow(db, sql, nullptr, [&](const Statement& st) {
      stored = CheckValues{static_cast<std::int32_t>(st.Int(0)), static_cast<std::int32_t>(st.Int(1))};
    });
    if (!s.ok()) return s;
    Result<CheckSums> read = ReadCheckSums(db);
    if (read.ok()) sums = *read;
    return read.status();
  });
  if (!s.ok()) return s;
  checkValues = CheckValuesOf(ChecksumTotal(sums, money));
  return stored.has_value() && *stored == checkValues;
}

}  // namespace mj::store
