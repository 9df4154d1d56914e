#include "hand/waits.h"

#include <cstddef>

#include "hand/hand_shape.h"
#include "hand/tile_counts.h"

namespace mj::hand {
namespace {

constexpr int kWaitsCompared = 13;

KindList FirstKinds(const KindList& all) {
  KindList kept;
  for (int i = 0; i < all.size && i < kWaitsCompared; ++i) kept.Add(all[i]);
  return kept;
}

}  // namespace

KindList WaitingKinds(const TableState& state, int seat) { return WaitingKindsAt(state, seat); }

bool KanKeepsWaits(const TableState& state, int seat, TileCode kind) {
  if (!state.InRiichi(seat)) return true;
  // The riichi hand is fixed: only the drawn tile can make the fourth.
  if (TileKind(state.handTiles[static_cast<std::size_t>(seat)][kDrawnPosition]) != TileKind(kind)) return false;
  const KindList before = FirstKinds(WaitingKinds(state, seat));

  HandShape after = HandShapeOf(state, seat);
  const auto k = static_cast<std::size_t>(TileKind(kind));
  after.counts[k] = static_cast<std::int16_t>(after.counts[k] - after.concealed[k] + 3);
  after.concealed[k] = 0;
  ++after.meldCount;
  return FirstKinds(WaitingKindsOf(after)) == before;
}

}  // namespace mj::hand
