#pragma once
// The statistics each moment of play adds for one player, as the deltas
// AddUserStats takes. Each carries the player's code, name and kind, so a
// row that is missing is created rather than lost.
#include <cstdint>

#include "common/money.h"
#include "engine/state/player_types.h"
#include "engine/state/records_port.h"

namespace mj {

// 試合数 +1, for each seat when the table opens.
StatsDelta TableOpenedDelta(const Player& player);
// リーチ数 +1, when the riichi discard is made.
StatsDelta RiichiDelta(const Player& player);
// 副露数 +1, at the player's first call of a hand.
StatsDelta FirstCallDelta(const Player& player);
// 和了数 +1, for each winner.
StatsDelta WinDelta(const Player& player);
// 放銃数 +1, for the discarder of a ron (once per winner fed).
StatsDelta DealInDelta(const Player& player);
// 局数 +1, for each seat at the end of every hand.
StatsDelta HandEndedDelta(const Player& player);
// At the end of a game: +1 in the column of the place (1-4), 点数 + the final
// points rounded half to even to a whole number, 総合雀力 + the change.
StatsDelta GameEndedDelta(const Player& player, int place, Money finalPoints, float ratingChange);
// 経験値 + the gain of a hand.
StatsDelta ExperienceDelta(const Player& player, std::int32_t gain);
// 総合雀力 −30.0 for quitting a game in progress.
StatsDelta QuitDelta(const Player& player);

}  // namespace mj
