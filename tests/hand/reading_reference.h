#pragma once
// Slow, plain readings that the fast hand reading must agree with: the
// completeness test run tile by tile through position 14 with the real
// searches, and an independent split into sets and a pair.
#include <cstddef>

#include "engine/state/table_state.h"
#include "hand/decomposition_search.h"
#include "hand/hand_shape.h"
#include "hand/kind_list.h"
#include "hand/tile_counts.h"

namespace mj::hand::reference {

inline constexpr std::size_t I(int i) { return static_cast<std::size_t>(i); }

inline bool KokushiByDefinition(const TileCounts& c) {
  int pairs = 0;
  for (int k : {1, 9, 10, 18, 19, 27, 28, 29, 30, 31, 32, 33, 34}) {
    if (c[I(k)] == 0) return false;
    pairs += c[I(k)] == 2;
  }
  return pairs > 0;
}

inline bool SevenPairsByDefinition(const TileCounts& c, bool hasCalled) {
  int pairs = 0;
  for (int k = 1; k <= kKindCount; ++k) pairs += c[I(k)] == 2;
  return !hasCalled && pairs == 7;
}

// The completeness test exactly as written: the special shapes, then the
// triplets-first search, then the sequences-first search, each search run
// pass by pass without the tables.
inline bool Complete(TableState& state, int seat) {
  const TileCounts counts = BuildTileCounts(state, seat);
  if (KokushiByDefinition(counts) || SevenPairsByDefinition(counts, state.hasCalled[I(seat)])) return true;
  return HasDecomposition(ConcealedCounts(state, seat), MeldCount(state, seat));
}

// Every kind 1-34 in position 14 in turn.
inline KindList Waits(TableState& state, int seat) {
  TileCode& slot = state.handTiles[I(seat)][kDrawnPosition];
  const TileCode saved = slot;
  KindList waits;
  for (int k = 1; k <= kKindCount; ++k) {
    slot = static_cast<TileCode>(k);
    if (Complete(state, seat)) waits.Add(slot);
  }
  slot = saved;
  return waits;
}

// Any split into `sets` sets and one pair, by trying every first set.
inline bool SplitsInto(TileCounts c, int sets, bool pairLeft) {
  int k = 1;
  while (k <= kKindCount && c[I(k)] == 0) ++k;
  if (k > kKindCount) return sets == 0 && !pairLeft;
  if (pairLeft && c[I(k)] >= 2) {
    c[I(k)] = static_cast<std::int16_t>(c[I(k)] - 2);
    if (SplitsInto(c, sets, false)) return true;
    c[I(k)] = static_cast<std::int16_t>(c[I(k)] + 2);
  }
  if (sets == 0) return false;
  if (c[I(k)] >= 3) {
    c[I(k)] = static_cast<std::int16_t>(c[I(k)] - 3);
    if (SplitsInto(c, sets - 1, pairLeft)) return true;
    c[I(k)] = static_cast<std::int16_t>(c[I(k)] + 3);
  }
  if (IsSuited(static_cast<TileCode>(k)) && SuitNumber(static_cast<TileCode>(k)) <= 7 && c[I(k + 1)] > 0 &&
      c[I(k + 2)] > 0) {
    --c[I(k)];
    --c[I(k + 1)];
    --c[I(k + 2)];
    if (SplitsInto(c, sets - 1, pairLeft)) return true;
  }
  return false;
}

}  // namespace mj::hand::reference
