#include "engine/state/rating.h"

#include <cmath>

namespace mj {
namespace {

constexpr std::int32_t kSeasonedGames = 400;

}  // namespace

SeatPlace PlaceAmong(const std::array<Money, 5>& finalScores, int seat) {
  SeatPlace p{1, 0};
  for (int other = 1; other <= 4; ++other) {
    if (finalScores[static_cast<std::size_t>(other)] > finalScores[static_cast<std::size_t>(seat)]) ++p.place;
    if (finalScores[static_cast<std::size_t>(other)] == finalScores[static_cast<std::size_t>(seat)]) ++p.tiedCount;
  }
  return p;
}

float RatingBase(SeatPlace p) {
  switch (p.place) {
    case 1: {
      constexpr std::array<float, 5> kFirst{0.0f, 6.0f, 4.0f, 2.0f, 0.0f};
      return kFirst[static_cast<std::size_t>(p.tiedCount)];
    }
    case 2: {
      constexpr std::array<float, 4> kSecond{0.0f, 2.0f, 0.0f, -2.0f};
      return kSecond[static_cast<std::size_t>(p.tiedCount)];
    }
    case 3: return p.tiedCount == 2 ? -4.0f : -2.0f;
    default: return -6.0f;
  }
}

float RoundRating(float value) {
  // A float times 100 is exact in a double, so nearbyint (half to even)
  // rounds the value itself, not a neighbour of it.
  return static_cast<float>(std::nearbyint(static_cast<double>(value) * 100.0) / 100.0);
}

float RatingChange(SeatPlace place, float othersRatingSum, float ownRating, std::int32_t gamesPlayed, bool isCpu) {
  if (isCpu) return 0.0f;
  const float average = othersRatingSum / 3.0f;
  float change = RatingBase(place) + (average - ownRating) / 300.0f;
  if (gamesPlayed < kSeasonedGames) {
    change = change * (1.0f + static_cast<float>(kSeasonedGames - gamesPlayed) / 100.0f);
  }
  return RoundRating(change);
}

}  // namespace mj
