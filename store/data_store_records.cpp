#include "store/data_store_records.h"

namespace mj::store {

Status DataStoreRecords::AddUserStats(const StatsDelta& delta) {
  const Result<bool> written = store_.AddUserStats(delta);
  if (!written.ok()) return written.status();
  if (!*written) return Status::Error(1, "no player row for code " + std::to_string(delta.code));
  return Status::Ok();
}

Status DataStoreRecords::AddYakuWins(int userCode, int yakuCode, std::string_view yakuName, int count) {
  return store_.AddYakuWins(static_cast<std::int16_t>(userCode), static_cast<std::int16_t>(yakuCode), yakuName, count);
}

}  // namespace mj::store
