#pragma once
// What scoring leaves for the settlement and the result window.
#include <array>
#include <cstdint>

#include "common/money.h"
#include "engine/state/fixed_text.h"
#include "engine/state/win_state.h"

namespace mj {

// "国士無双１３面待 二十六飜" is 37 bytes; the longest label "トリプル役満" 18.
using YakuLine = FixedText<64>;
using LimitLabel = FixedText<32>;
using YakuLineRow = std::array<YakuLine, kYakuSlots>;

struct ScoreState {
  std::int16_t handHan = 0;
  bool isYakumanHand = false;
  bool collectsDeposits = false;  // the winner takes the riichi sticks on the table
  std::int16_t handExperience = 0;
  std::array<YakuLineRow, kResultRow + 1> yakuLines{};  // rows 1-4 the seats, 5 the shown copy
  LimitLabel limitLabel;
  Money handPoints;         // the whole ron value or the sum of the tsumo shares, before honba
  Money manganClassPoints;  // the hand counted from its mangan-class flags alone
};

}  // namespace mj
