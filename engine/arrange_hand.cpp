#include "engine/arrange_hand.h"

#include <algorithm>

namespace mj::engine {
namespace {

// Twice the sort key, so a red five (key code - 50.5) stays an integer.
int SortKey(TileCode tile) { return IsRedFive(tile) ? 2 * TileKind(tile) - 1 : 2 * tile; }

}  // namespace

void ArrangeSeat(TableState& state, int seat, bool forceSort) {
  HandRow& hand = state.handTiles[static_cast<std::size_t>(seat)];
  auto first = hand.begin() + 1;
  auto last = hand.begin() + kDrawnPosition;  // positions 1-13
  if (forceSort || state.rules[52] == 1) {
    std::stable_sort(first, last, [](TileCode a, TileCode b) { return SortKey(a) < SortKey(b); });
  } else {
    std::stable_partition(first, last, [](TileCode t) { return t == 0; });
  }
}

void ArrangeHand(TableState& state, bool forceSort) {
  for (int seat = 1; seat <= kSeats; ++seat) ArrangeSeat(state, seat, forceSort);
}

}  // namespace mj::engine
