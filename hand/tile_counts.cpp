#include "hand/tile_counts.h"

#include <cstddef>

namespace mj::hand {
namespace {

constexpr std::size_t Index(int i) { return static_cast<std::size_t>(i); }

}  // namespace

void AddMeldCounts(const TableState& state, int seat, TileCounts& counts) {
  const std::size_t s = Index(seat);
  for (int i = 1; i <= 12; ++i) {
    const TileCode t = state.chiTiles[s][Index(i)];
    if (t != kNoTile) ++counts[Index(TileKind(t))];
  }
  for (const KindSlots* slots : {&state.ponKinds[s], &state.openKanKinds[s], &state.closedKanKinds[s]}) {
    for (int i = 1; i <= 4; ++i) {
      const TileCode t = (*slots)[Index(i)];
      if (t != kNoTile) counts[Index(TileKind(t))] = static_cast<std::int16_t>(counts[Index(TileKind(t))] + 3);
    }
  }
}

TileCounts ConcealedCounts(const TableState& state, int seat, int first, int last) {
  TileCounts counts{};
  const HandRow& hand = state.handTiles[Index(seat)];
  for (int p = first; p <= last; ++p) {
    if (hand[Index(p)] != kNoTile) ++counts[Index(TileKind(hand[Index(p)]))];
  }
  return counts;
}

TileCounts BuildTileCounts(const TableState& state, int seat) {
  TileCounts counts = ConcealedCounts(state, seat);
  AddMeldCounts(state, seat, counts);
  return counts;
}

int MeldCount(const TableState& state, int seat) {
  const std::size_t s = Index(seat);
  int melds = 0;
  for (int group = 1; group <= 10; group += 3) {
    if (state.chiTiles[s][Index(group)] != kNoTile) ++melds;
  }
  for (const KindSlots* slots : {&state.ponKinds[s], &state.openKanKinds[s], &state.closedKanKinds[s]}) {
    for (int i = 1; i <= 4; ++i) {
      if ((*slots)[Index(i)] != kNoTile) ++melds;
    }
  }
  return melds;
}

int TotalTiles(const TileCounts& counts) {
  int total = 0;
  for (int k = 1; k <= kKindCount; ++k) total += counts[Index(k)];
  return total;
}

}  // namespace mj::hand
