#pragma once
// What the settlement of a hand leaves for the end of the hand and the
// result window.
#include <array>
#include <cstdint>
#include <string_view>

#include "common/money.h"
#include "engine/state/seat_helpers.h"

namespace mj {

struct SettlementState {
  PerSeat<Money> pointDeltas{};            // this settlement's change of each score
  Money chomboPenalty;                     // rule 21's total for a false win
  PerSeat<std::int16_t> tenpaiAtDraw{};    // 1 tenpai, 2 no-ten riichi, 0 no-ten
  PerSeat<bool> nagashiFlags{};
  PerSeat<std::string_view> handEndingName{};  // name of a draw or an abortive draw
  std::int16_t shownFu = 0;
  std::int16_t shownExperience = 0;  // what the human gained in this hand
  std::int16_t resultWinMethod = 0;  // 1 tsumo, 2 ron, 0 otherwise
};

}  // namespace mj
