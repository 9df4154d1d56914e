#include "hand/unconnected_hand.h"

#include <cstddef>

#include "hand/tile_counts.h"

namespace mj::hand {

bool IsUnconnectedHand(const TableState& state, int seat, bool wantPair) {
  const TileCounts counts = ConcealedCounts(state, seat);
  if (TotalTiles(counts) != kHandPositions) return false;
  int pairs = 0;
  for (int k = 1; k <= kKindCount; ++k) {
    const int held = counts[static_cast<std::size_t>(k)];
    if (held > 2) return false;
    pairs += held == 2 ? 1 : 0;
    if (held == 0 || !IsSuited(static_cast<TileCode>(k))) continue;
    for (int step = 1; step <= 2 && SuitNumber(static_cast<TileCode>(k)) + step <= 9; ++step) {
      if (counts[static_cast<std::size_t>(k + step)] > 0) return false;
    }
  }
  return pairs == (wantPair ? 1 : 0);
}

}  // namespace mj::hand
