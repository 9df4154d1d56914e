#include "hand/pinfu_shape.h"

#include <cstddef>

#include "engine/state/seat_helpers.h"
#include "hand/tile_counts.h"

namespace mj::hand {
namespace {

constexpr std::size_t Index(int i) { return static_cast<std::size_t>(i); }

bool TakePartial(TileCounts& c, int first) {
  if (c[Index(first)] < 1 || c[Index(first + 1)] < 1) return false;
  --c[Index(first)];
  --c[Index(first + 1)];
  return true;
}

// The two-sided partial the winning tile completes on its open end: (x+1,
// x+2) or (x-2, x-1), never an edge wait. lowerFirst picks which one a
// middle tile (4-6) tries first.
bool TakeTwoSidedPartial(TileCounts& c, TileCode winning, bool lowerFirst) {
  const int x = SuitNumber(winning);
  const bool lower = x >= 4;
  const bool upper = x <= 6;
  if (lower && lowerFirst && TakePartial(c, winning - 2)) return true;
  if (upper && TakePartial(c, winning + 1)) return true;
  return lower && !lowerFirst && TakePartial(c, winning - 2);
}

bool AllSequences(TileCounts c) {
  for (int base = 0; base <= 18; base += 9) {
    for (int n = 1; n <= 7; ++n) {
      const auto k = Index(base + n);
      while (c[k] > 0 && c[k + 1] > 0 && c[k + 2] > 0) {
        --c[k];
        --c[k + 1];
        --c[k + 2];
      }
    }
  }
  for (int k = 1; k <= kKindCount; ++k) {
    if (c[Index(k)] != 0) return false;
  }
  return true;
}

bool IsValuePair(const TableState& state, int seat, int pair) {
  return IsDragon(static_cast<TileCode>(pair)) || pair == RoundWindTile(state.handNumber) ||
         pair == kEast - 1 + state.players[Index(seat)].seatWind;
}

}  // namespace

bool IsPinfuShape(const TableState& state, int seat) {
  const TileCode winning = TileKind(state.handTiles[Index(seat)][kDrawnPosition]);
  if (!IsSuited(winning)) return false;
  const TileCounts hand = ConcealedCounts(state, seat, 1, kDrawnPosition - 1);
  if (TotalTiles(hand) != 13) return false;
  for (const bool lowerFirst : {true, false}) {
    for (int pair = 1; pair <= kKindCount; ++pair) {
      if (hand[Index(pair)] < 2) continue;
      TileCounts rest = hand;
      rest[Index(pair)] = static_cast<std::int16_t>(rest[Index(pair)] - 2);
      if (!TakeTwoSidedPartial(rest, winning, lowerFirst) || !AllSequences(rest)) continue;
      // Any split of an all-sequence hand has the same pair when that pair
      // is an honour, so a value pair here rules 平和 out.
      return !IsValuePair(state, seat, pair);
    }
  }
  return false;
}

}  // namespace mj::hand
