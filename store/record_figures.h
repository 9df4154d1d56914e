#pragma once
// The figures the records window derives from a player's stored counts;
// never stored themselves.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "common/result.h"
#include "store/data_store.h"
#include "store/row_types.h"

namespace mj::store {

constexpr int kYakuSlots = 90;
constexpr int kCollectableSlots = 88;

// Figures to three decimals are kept as whole thousandths: 2750 is 2.750.
// (1×一位 + 2×二位 + 3×三位 + 4×四位) / games, half to even; 0 with no games.
std::int64_t AveragePlaceThousandths(const UserStats& stats);
// 100 × count / hands, half to even; 0 when count is 0 (or, which play
// never leaves, when hands is 0).
std::int64_t RateThousandths(std::int32_t count, std::int32_t hands);
// "2.750", "42.857", "0.000"
std::string FormatThousandths(std::int64_t thousandths);
// 総合雀力 to two decimals, half to even: "1500.00"
std::string FormatRating(float rating);

// Display slot of a yaku code: 1-45 → 1-45, 50-52 → 46-48, 101-140 → 49-88,
// 198-199 → 89-90; 0 for any other code.
int YakuSlotOf(int code);
bool IsYakumanCode(int code);

struct YakuSlot {
  std::string name;
  std::int32_t winCount = 0;
};

struct RecordFigures {
  std::int64_t averagePlace = 0;  // 平均順位, thousandths
  std::int64_t winRate = 0;       // 和了率, thousandths of a percent
  std::int64_t dealInRate = 0;    // 放銃率
  std::int64_t riichiRate = 0;    // 立直率
  std::int64_t callRate = 0;      // 副露率
  std::int32_t yakumanWins = 0;   // 役満和了回数
  int completion = 0;             // collectable slots with a win
  // [1..90]; empty where the player has no row (the window shows its placeholder).
  std::array<std::optional<YakuSlot>, kYakuSlots + 1> slots{};
};

// yakuRows in code order, as LoadYakuRecords returns them.
RecordFigures FiguresOf(const UserStats& stats, const std::vector<YakuRecord>& yakuRows);
// "和了役 05/88", or "和了役 COMPLETE!!" with all 88.
std::string CompletionCaption(int completion);

struct PlayerRecord {
  UserRow row;
  RecordFigures figures;
};
// Reads the user row and the player's yaku rows; nullopt when there is no such player.
Result<std::optional<PlayerRecord>> LoadPlayerRecord(const DataStore& store, std::int16_t code);

}  // namespace mj::store
