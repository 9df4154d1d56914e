#pragma once
// Scoring a confirmed win: han, experience and display lines per yaku, the
// limit label and the points owed before honba and deposits.
#include "engine/state/table_state.h"

namespace mj::hand {

// Sets handHan, isYakumanHand, collectsDeposits, handExperience, the seat's
// yakuLines, limitLabel, handPoints and manganClassPoints. When the
// mangan-class flags alone are worth at least the list, the list is replaced
// by their codes and scored once more.
void ScoreHand(TableState& state, int seat);

}  // namespace mj::hand
