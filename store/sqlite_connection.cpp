#include "store/sqlite_connection.h"

#include <sqlite3.h>

#include <cassert>
#include <thread>
#include <utility>

namespace mj::store {
namespace {

// Rounds to single precision: the rating column holds single-precision
// values, so a sum computed in the statement is narrowed the same way.
void ToSingle(sqlite3_context* context, int, sqlite3_value** args) {
  sqlite3_result_double(context, static_cast<double>(static_cast<float>(sqlite3_value_double(args[0]))));
}

}  // namespace

Statement::Statement(Statement&& other) noexcept
    : owner_(other.owner_), stmt_(std::exchange(other.stmt_, nullptr)) {}

Statement& Statement::operator=(Statement&& other) noexcept {
  if (this != &other) {
    sqlite3_finalize(stmt_);
    owner_ = other.owner_;
    stmt_ = std::exchange(other.stmt_, nullptr);
  }
  return *this;
}

Statement::~Statement() { sqlite3_finalize(stmt_); }

// A failed bind is a wrong parameter number in our own text: a programming error.
Statement& Statement::Bind(int index, std::int64_t value) {
  [[maybe_unused]] const int rc = sqlite3_bind_int64(stmt_, index, value);
  assert(rc == SQLITE_OK && "parameter number not in the statement");
  return *this;
}

Statement& Statement::Bind(int index, double value) {
  [[maybe_unused]] const int rc = sqlite3_bind_double(stmt_, index, value);
  assert(rc == SQLITE_OK && "parameter number not in the statement");
  return *this;
}

Statement& Statement::Bind(int index, std::string_view text) {
  [[maybe_unused]] const int rc =
      sqlite3_bind_text64(stmt_, index, text.data(), text.size(), SQLITE_TRANSIENT, SQLITE_UTF8);
  assert(rc == SQLITE_OK && "parameter number not in the statement");
  return *this;
}

Result<bool> Statement::Next() {
  const int rc = sqlite3_step(stmt_);
  if (rc == SQLITE_ROW) return true;
  if (rc == SQLITE_DONE) return false;
  return owner_->Failure(rc);
}

Status Statement::Run() {
  for (;;) {
    Result<bool> row = Next();
    if (!row.ok()) return row.status();
    if (!*row) return Status::Ok();
  }
}

bool Statement::IsNull(int column) const { return sqlite3_column_type(stmt_, column) == SQLITE_NULL; }

bool Statement::IsInteger(int column) const { return sqlite3_column_type(stmt_, column) == SQLITE_INTEGER; }

std::int64_t Statement::Int(int column) const { return sqlite3_column_int64(stmt_, column); }

double Statement::Real(int column) const { return sqlite3_column_double(stmt_, column); }

std::string Statement::Text(int column) const {
  const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, column));
  if (text == nullptr) return {};
  return std::string(text, static_cast<std::size_t>(sqlite3_column_bytes(stmt_, column)));
}

Result<std::unique_ptr<Connection>> Connection::Open(const std::string& path, LockWait* lockWait) {
  return OpenWith(path, SQLITE_OPEN_READWRITE, lockWait);
}

Result<std::unique_ptr<Connection>> Connection::Create(const std::string& path) {
  return OpenWith(path, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
}

Result<std::unique_ptr<Connection>> Connection::OpenWith(const std::string& path, int flags, LockWait* lockWait) {
  sqlite3* db = nullptr;
  const int rc = sqlite3_open_v2(path.c_str(), &db, flags, nullptr);
  if (rc != SQLITE_OK) {
    const int code = db != nullptr ? sqlite3_extended_errcode(db) : rc;
    std::string message = path + ": " + (db != nullptr ? sqlite3_errmsg(db) : sqlite3_errstr(rc));
    sqlite3_close(db);
    return Status::Error(code, std::move(message));
  }
  std::unique_ptr<Connection> connection(new Connection(db));
  sqlite3_extended_result_codes(db, 1);
  connection->busy_.lockWait = lockWait;
  sqlite3_busy_handler(db, &Connection::OnBusy, &connection->busy_);
  sqlite3_create_function(db, "to_single", 1, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr, &ToSingle, nullptr,
                          nullptr);
  return connection;
}

Connection::~Connection() {
  sqlite3_close_v2(db_);
  if (busy_.waited && busy_.lockWait != nullptr) busy_.lockWait->WaitEnded();
}

int Connection::OnBusy(void* state, int count) {
  auto& busy = *static_cast<BusyState*>(state);
  const auto now = std::chrono::steady_clock::now();
  if (count == 0) busy.since = now;
  busy.waited = true;
  std::this_thread::sleep_for(kLockPause);
  const auto waited =
      std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - busy.since);
  const bool keep = busy.lockWait != nullptr ? busy.lockWait->KeepWaiting(waited) : waited < kUnattendedLockLimit;
  return keep ? 1 : 0;
}

Result<Statement> Connection::Prepare(std::string_view sql) {
  sqlite3_stmt* stmt = nullptr;
  const int rc = sqlite3_prepare_v2(db_, sql.data(), static_cast<int>(sql.size()), &stmt, nullptr);
  if (rc != SQLITE_OK) {
    sqlite3_finalize(stmt);
    return Failure(rc);
  }
  return Statement(*this, stmt);
}

Status Connection::Exec(const std::string& sql) {
  const int rc = sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, nullptr);
  return rc == SQLITE_OK ? Status::Ok() : Failure(rc);
}

int Connection::Changes() const { return sqlite3_changes(db_); }

Status Connection::Failure(int rc) const {
  const int code = sqlite3_extended_errcode(db_);
  return Status::Error(code != SQLITE_OK ? code : rc, sqlite3_errmsg(db_));
}

Transaction::~Transaction() {
  if (open_) db_.Exec(kind_ == Kind::Write ? "ROLLBACK" : "COMMIT");
}

Status Transaction::Begin() {
  Status s = db_.Exec(kind_ == Kind::Write ? "BEGIN IMMEDIATE" : "BEGIN");
  open_ = s.ok();
  return s;
}

Status Transaction::Commit() {
  Status s = db_.Exec("COMMIT");
  // A failed COMMIT leaves the transaction open; the destructor rolls it back.
  if (s.ok()) open_ = false;
  return s;
}

}  // namespace mj::store
