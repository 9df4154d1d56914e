#pragma once
// Rows of the data file as values: a read returns the row it found, so no
// buffer outlives the call that filled it.
#include <array>
#include <cstdint>
#include <string>

#include "common/money.h"
#include "engine/state/records_port.h"

namespace mj::store {

constexpr std::int16_t kFirstCpuCode = 1001;
constexpr std::int16_t kLastCpuCode = 1020;
constexpr float kNewPlayerRating = 1500.0f;

struct UserRow {
  std::int16_t code = 0;
  std::string name;
  bool isCpu = false;  // 人間フラグ 1
  UserStats stats;
  bool enabled = true;  // 有効フラグ 1

  bool operator==(const UserRow&) const = default;
};

struct RuleTableRow {
  std::int16_t code = 0;
  std::string name;
  std::string description;
  std::int16_t flag = 0;   // rules: the value, or -1 not owned; local yaku: 1 on, 0 off
  std::int16_t price = 0;  // 価格, stored as currency and used as a whole number
};

struct YakuRecord {
  std::int16_t code = 0;
  std::string name;
  std::int32_t winCount = 0;
};

struct OptionRow {
  std::int16_t flag = 0;
  std::string recordPath;
  std::string wallpaperPath;

  bool operator==(const OptionRow&) const = default;
};

struct WalletRow {
  Money money;
  std::int32_t checkDigit = 0;
  std::int32_t checkCalc = 0;
};

}  // namespace mj::store
