#pragma once
// The statistics and yaku counts a game raises. The data file implements
// this port; tests and tools keep the counts in memory.
#include <cstdint>
#include <string>
#include <string_view>

#include "common/result.h"

namespace mj {

// Amounts added to a player's row (a new row starts from them).
struct StatsDelta {
  std::int16_t userCode = 0;
  std::string name;
  std::int16_t humanFlag = 0;  // 人間フラグ as stored: 1 for a CPU character
  std::int32_t games = 0, hands = 0, wins = 0, dealIns = 0, riichis = 0, calls = 0, points = 0;
  std::int32_t first = 0, second = 0, third = 0, fourth = 0, experience = 0;
  float rating = 0;
};

class Records {
 public:
  virtual ~Records() = default;
  virtual Status AddUserStats(const StatsDelta& delta) = 0;
  // count may be negative (the shop takes wins away).
  virtual Status AddYakuWins(int userCode, int yakuCode, std::string_view yakuName, int count) = 0;
};

}  // namespace mj
