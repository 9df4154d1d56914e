#pragma once
// The statistics and yaku counts a game raises. The data file implements
// this port; tests and tools keep the counts in memory.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "common/result.h"

namespace mj {

// The counted columns of a user row, 試合数 … 経験値 and 総合雀力.
struct UserStats {
  std::int32_t games = 0;       // 試合数
  std::int32_t hands = 0;       // 局数
  std::int32_t wins = 0;        // 和了数
  std::int32_t dealIns = 0;     // 放銃数
  std::int32_t riichis = 0;     // リーチ数
  std::int32_t calls = 0;       // 副露数
  std::int32_t points = 0;      // 点数
  std::array<std::int32_t, 5> places{};  // [1] 一位 … [4] 四位; [0] unused
  std::int32_t experience = 0;  // 経験値
  float rating = 0;             // 総合雀力

  bool operator==(const UserStats&) const = default;
};

// What AddUserStats adds to a row, or the row it inserts when there is none.
struct StatsDelta {
  std::int16_t code = 0;
  std::string name;
  bool isCpu = false;
  UserStats amounts;
};

// What the player is told when a write through this port fails; the game stops.
constexpr std::string_view kUserUpdateFailedText = "ユーザーマスタの更新処理に失敗しました";
constexpr std::string_view kYakuUpdateFailedText = "役マスタの更新処理に失敗しました";

class Records {
 public:
  virtual ~Records() = default;
  virtual Status AddUserStats(const StatsDelta& delta) = 0;
  // count may be negative (the shop takes wins away).
  virtual Status AddYakuWins(int userCode, int yakuCode, std::string_view yakuName, int count) = 0;
};

}  // namespace mj
