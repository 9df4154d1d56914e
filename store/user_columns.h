#pragma once
// The user table's columns in the order the statements list them.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "store/row_types.h"
#include "store/schema_names.h"
#include "store/sqlite_connection.h"

namespace mj::store {

// 試合数 … 経験値: the twelve 32-bit counts, in table order.
constexpr std::array<std::string_view, 12> kCountColumns = {
    users::kGames,  users::kHands,   users::kWins,    users::kDealIns, users::kRiichis, users::kCalls,
    users::kPoints, users::kFirsts,  users::kSeconds, users::kThirds,  users::kFourths, users::kExperience};

std::array<std::int32_t, 12> CountsOf(const UserStats& stats);
void SetCounts(UserStats& stats, const std::array<std::int32_t, 12>& counts);

// "コード, ユーザー名称, 人間フラグ, 試合数 … 経験値, 総合雀力, 有効フラグ"
const std::string& UserRowColumns();
// Reads the columns of UserRowColumns() from the current row.
UserRow ReadUserRow(const Statement& st);

}  // namespace mj::store
