#pragma once
// Records kept in memory, for tools and tests that play without a data file.
#include <map>
#include <utility>

#include "engine/state/records_port.h"

namespace mj {

class MemoryRecords final : public Records {
 public:
  Status AddUserStats(const StatsDelta& delta) override;
  Status AddYakuWins(int userCode, int yakuCode, std::string_view yakuName, int count) override;

  // The summed deltas per user code.
  std::map<int, StatsDelta> users;
  // Wins per (user code, yaku code).
  std::map<std::pair<int, int>, int> yakuWins;
  // Makes every later write fail, to test the stop on a failed write.
  bool failWrites = false;
};

}  // namespace mj
