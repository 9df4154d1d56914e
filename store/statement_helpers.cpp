#include "store/statement_helpers.h"

namespace mj::store {

Result<int> RunStatement(Connection& db, const std::string& sql, const Binder& bind) {
  Result<Statement> st = db.Prepare(sql);
  if (!st.ok()) return st.status();
  if (bind) bind(*st);
  if (Status s = st->Run(); !s.ok()) return s;
  return db.Changes();
}

Status ForEachRow(Connection& db, const std::string& sql, const Binder& bind,
                  const std::function<void(const Statement&)>& take) {
  Result<Statement> st = db.Prepare(sql);
  if (!st.ok()) return st.status();
  if (bind) bind(*st);
  for (;;) {
    Result<bool> row = st->Next();
    if (!row.ok()) return row.status();
    if (!*row) return Status::Ok();
    take(*st);
  }
}

}  // namespace mj::store
