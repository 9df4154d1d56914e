#pragma once
// How a seat's rating (総合雀力, shown as "Rate値") moves at the end of a game.
// Single-precision arithmetic throughout, as the column holds it.
#include <array>
#include <cstdint>

#include "common/money.h"

namespace mj {

// Quitting a game in progress costs the quitter this much rating.
constexpr float kQuitRatingPenalty = -30.0f;

struct SeatPlace {
  int place = 1;      // 1-4; seats with equal scores share the better place
  int tiedCount = 1;  // seats, this one included, with this seat's score
};

// finalScores[1..4] by seat; [0] unused.
SeatPlace PlaceAmong(const std::array<Money, 5>& finalScores, int seat);

// The base change for a place shared by tiedCount seats.
float RatingBase(SeatPlace place);

// base + (the three others' average − own) / 300, weighted up to 5× while
// gamesPlayed (before this game) is below 400, rounded half to even to two
// decimals. A CPU seat's rating never changes in play.
float RatingChange(SeatPlace place, float othersRatingSum, float ownRating, std::int32_t gamesPlayed, bool isCpu);

// Half to even to two decimals, taken on the exact value of the float.
float RoundRating(float value);

}  // namespace mj
