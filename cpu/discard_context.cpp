#include "cpu/discard_context.h"

#include "cpu/seat_placement.h"
#include "hand/tile_counts.h"

namespace mj::cpu {

DiscardContext::DiscardContext(TableState& s, int seatNumber, RandomSource& randomSource)
    : state(s),
      seat(seatNumber),
      random(randomSource),
      dora(DoraKindsNow(s)),
      unseen(UnseenTableFor(s, seatNumber, false)),
      concealedCounts(hand::ConcealedCounts(s, seatNumber)),
      melds(hand::MeldCount(s, seatNumber)),
      placement(SeatPlacement(s, seatNumber)) {
  for (std::size_t i = 1; i <= 2; ++i) {
    const auto banned = static_cast<std::size_t>(TileKind(s.kuikaeBan[i]));
    if (banned != 0 && concealedCounts[banned] > 0) --concealedCounts[banned];
  }
  tileCounts = hand::BuildTileCounts(s, seatNumber);
  for (int k = 1; k <= kKindCount; ++k) {
    const bool pair = concealedCounts[static_cast<std::size_t>(k)] >= 2;
    pairKinds += pair;
    edgePairKinds += pair && IsEdgeKind(static_cast<TileCode>(k));
  }
}

bool IsForbiddenAfterCall(const TableState& state, TileCode tile) {
  const TileCode kind = TileKind(tile);
  return kind != 0 && (TileKind(state.kuikaeBan[1]) == kind || TileKind(state.kuikaeBan[2]) == kind);
}

}  // namespace mj::cpu
