#include "engine/liability.h"

#include "engine/seat_check.h"

namespace mj::engine {

void MarkLiability(TableState& state, int caller, TileCode tile) {
  const int discarder = state.currentSeat;
  if (state.rules[25] == 0 || !IsSeat(caller) || !IsSeat(discarder) || discarder == caller) return;
  const auto c = static_cast<std::size_t>(caller);
  int meldTiles = 0, dragonTiles = 0;
  for (int pos = kFirstMeldPosition; pos <= kLastMeldPosition; ++pos) {
    const TileCode t = state.meldTiles[c][static_cast<std::size_t>(pos)];
    if (t == 0) continue;
    ++meldTiles;
    dragonTiles += IsDragon(TileKind(t));
  }
  // More than five dragon tiles: two dragon sets are out already. More than
  // eight tiles: three sets are.
  const bool thirdDragonSet = IsDragon(TileKind(tile)) && dragonTiles > 5;
  if (thirdDragonSet || meldTiles > 8) state.liableSeats[c][static_cast<std::size_t>(discarder)] = true;
}

bool IsLiableFor(const TableState& state, int caller, int seat) {
  return IsSeat(caller) && IsSeat(seat) && state.liableSeats[static_cast<std::size_t>(caller)][static_cast<std::size_t>(seat)];
}

}  // namespace mj::engine
