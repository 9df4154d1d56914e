#pragma once
// The statistics and yaku counts of a game, kept in the data file.
#include "engine/state/records_port.h"
#include "store/data_store.h"

namespace mj::store {

class DataStoreRecords final : public Records {
 public:
  explicit DataStoreRecords(DataStore& store) : store_(store) {}
  // A delta for a player with no row and no name is a failure: it is lost.
  Status AddUserStats(const StatsDelta& delta) override;
  Status AddYakuWins(int userCode, int yakuCode, std::string_view yakuName, int count) override;

 private:
  DataStore& store_;
};

}  // namespace mj::store
