#pragma once
// A thin owner of one SQLite connection and its statements. A failure is a
// Status whose code is SQLite's extended result code: the engine error
// number that messages show after "(ERRnn =".
#include <chrono>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "common/result.h"
#include "store/lock_wait.h"

struct sqlite3;
struct sqlite3_stmt;

namespace mj::store {

class Connection;

class Statement {
 public:
  Statement(Statement&& other) noexcept;
  Statement& operator=(Statement&& other) noexcept;
  Statement(const Statement&) = delete;
  Statement& operator=(const Statement&) = delete;
  ~Statement();

  // Parameters are numbered from 1, as ?1, ?2 … in the text.
  Statement& Bind(int index, std::int64_t value);
  Statement& Bind(int index, double value);
  Statement& Bind(int index, std::string_view text);

  // true when a row is ready, false when the statement has finished.
  Result<bool> Next();
  // Steps to the end, ignoring any rows.
  Status Run();

  bool IsNull(int column) const;
  bool IsInteger(int column) const;
  // An empty value reads as 0 or as the empty text.
  std::int64_t Int(int column) const;
  double Real(int column) const;
  std::string Text(int column) const;

 private:
  friend class Connection;
  Statement(Connection& owner, sqlite3_stmt* stmt) : owner_(&owner), stmt_(stmt) {}
  Connection* owner_;
  sqlite3_stmt* stmt_;
};

class Connection {
 public:
  // Opens an existing file for reading and writing; never creates one. While
  // the file is locked every statement waits, telling lockWait (or, with
  // none, giving up after kUnattendedLockLimit).
  static Result<std::unique_ptr<Connection>> Open(const std::string& path, LockWait* lockWait);
  // Creates a new, empty database file (only the build's generator does this).
  static Result<std::unique_ptr<Connection>> Create(const std::string& path);
  Connection(const Connection&) = delete;
  Connection& operator=(const Connection&) = delete;
  ~Connection();

  Result<Statement> Prepare(std::string_view sql);
  // Runs statement text without parameters: BEGIN, COMMIT, a checked-in script.
  Status Exec(const std::string& sql);
  // Rows changed by the last statement.
  int Changes() const;
  Status Failure(int rc) const;

 private:
  struct BusyState {
    LockWait* lockWait = nullptr;
    std::chrono::steady_clock::time_point since;
    bool waited = false;
  };
  static int OnBusy(void* state, int count);
  static Result<std::unique_ptr<Connection>> OpenWith(const std::string& path, int flags, LockWait* lockWait);
  explicit Connection(sqlite3* db) : db_(db) {}

  sqlite3* db_;
  BusyState busy_;
};

// A transaction around several statements. A write transaction takes the
// write lock at its start, so two writers queue up instead of meeting half
// way, and is rolled back unless committed; a read transaction lets several
// selects see one state of the file.
class Transaction {
 public:
  enum class Kind : std::uint8_t { Read, Write };
  Transaction(Connection& db, Kind kind) : db_(db), kind_(kind) {}
  Transaction(const Transaction&) = delete;
  Transaction& operator=(const Transaction&) = delete;
  ~Transaction();
  Status Begin();
  Status Commit();

 private:
  Connection& db_;
  Kind kind_;
  bool open_ = false;
};

}  // namespace mj::store
