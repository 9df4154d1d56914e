#pragma once
// The two shapes almost every operation has: one statement run for its
// effect, and one select that yields at most one row.
#include <functional>
#include <optional>
#include <string>

#include "common/result.h"
#include "store/data_store.h"
#include "store/sqlite_connection.h"

namespace mj::store {

using Binder = std::function<void(Statement&)>;

// Runs the statement; the value is the number of rows it changed.
Result<int> RunStatement(Connection& db, const std::string& sql, const Binder& bind);

// Every row of a select.
Status ForEachRow(Connection& db, const std::string& sql, const Binder& bind,
                  const std::function<void(const Statement&)>& take);

template <class T>
Result<std::optional<T>> ReadOneRow(const DataStore& store, const std::string& sql, const Binder& bind,
                                    const std::function<T(const Statement&)>& read) {
  std::optional<T> found;
  Status s = store.Read([&](Connection& db) {
    return ForEachRow(db, sql, bind, [&](const Statement& st) {
      if (!found) found = read(st);
    });
  });
  if (!s.ok()) return s;
  return found;
}

template <class T>
Result<std::vector<T>> ReadRows(const DataStore& store, const std::string& sql, const Binder& bind,
                                const std::function<T(const Statement&)>& read) {
  std::vector<T> rows;
  Status s = store.Read([&](Connection& db) {
    return ForEachRow(db, sql, bind, [&](const Statement& st) { rows.push_back(read(st)); });
  });
  if (!s.ok()) return s;
  return rows;
}

}  // namespace mj::store
