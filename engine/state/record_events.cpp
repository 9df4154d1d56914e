#include "engine/state/record_events.h"

#include "engine/state/rating.h"

namespace mj {
namespace {

StatsDelta For(const Player& player) {
  StatsDelta delta;
  delta.code = player.userCode;
  delta.name = player.name;
  delta.isCpu = player.isCpu;
  return delta;
}

StatsDelta With(const Player& player, std::int32_t UserStats::*column, std::int32_t amount) {
  StatsDelta delta = For(player);
  delta.amounts.*column = amount;
  return delta;
}

}  // namespace

StatsDelta TableOpenedDelta(const Player& player) { return With(player, &UserStats::games, 1); }
StatsDelta RiichiDelta(const Player& player) { return With(player, &UserStats::riichis, 1); }
StatsDelta FirstCallDelta(const Player& player) { return With(player, &UserStats::calls, 1); }
StatsDelta WinDelta(const Player& player) { return With(player, &UserStats::wins, 1); }
StatsDelta DealInDelta(const Player& player) { return With(player, &UserStats::dealIns, 1); }
StatsDelta HandEndedDelta(const Player& player) { return With(player, &UserStats::hands, 1); }
StatsDelta ExperienceDelta(const Player& player, std::int32_t gain) {
  return With(player, &UserStats::experience, gain);
}

StatsDelta GameEndedDelta(const Player& player, int place, Money finalPoints, float ratingChange) {
  StatsDelta delta = For(player);
  delta.amounts.places[static_cast<std::size_t>(place)] = 1;
  delta.amounts.points = static_cast<std::int32_t>(finalPoints.RoundToWhole());
  delta.amounts.rating = ratingChange;
  return delta;
}

StatsDelta QuitDelta(const Player& player) {
  StatsDelta delta = For(player);
  delta.amounts.rating = kQuitRatingPenalty;
  return delta;
}

}  // namespace mj
