#pragma once
// The display name of every code in a yaku list and the rarity of every yaku
// (the rule shop's price of one win).
#include <array>
#include <cstdint>
#include <string_view>

#include "engine/state/win_state.h"

namespace mj::hand {

constexpr int kYakuNameCodes = 200;    // codes 0-199
constexpr int kYakuRarityCodes = 141;  // codes 0-140

struct YakuTables {
  std::array<std::string_view, kYakuNameCodes> yakuNames{};
  std::array<std::int16_t, kYakuRarityCodes> yakuRarity{};
};

// Both tables, filled; code 141 has no name.
YakuTables InitYakuTables();

// Lookups in the program's tables; a code outside a table has no name and rarity 0.
std::string_view YakuName(int code);
std::int16_t YakuRarity(int code);

}  // namespace mj::hand
