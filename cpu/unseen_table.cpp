#include "cpu/unseen_table.h"

#include <algorithm>

namespace mj::cpu {
namespace {

template <std::size_t N>
void Subtract(UnseenTable& table, const std::array<TileCode, N>& tiles, int first, int last, int copies) {
  for (int i = first; i <= last; ++i) {
    const TileCode kind = TileKind(tiles[static_cast<std::size_t>(i)]);
    if (kind != 0)
      table.unseen[static_cast<std::size_t>(kind)] =
          static_cast<std::int16_t>(table.unseen[static_cast<std::size_t>(kind)] - copies);
  }
}

}  // namespace

UnseenTable UnseenTableFor(const TableState& state, int seat, bool ownHandVisible) {
  UnseenTable table;
  table.unseen.fill(4);
  table.unseen[0] = 0;
  if (ownHandVisible) Subtract(table, state.handTiles[static_cast<std::size_t>(seat)], 1, kHandPositions, 1);
  for (int s = 1; s <= kSeats; ++s) {
    const auto i = static_cast<std::size_t>(s);
    Subtract(table, state.ponKinds[i], 1, 4, 3);
    Subtract(table, state.chiTiles[i], 1, 12, 1);
    Subtract(table, state.openKanKinds[i], 1, 4, 4);
    Subtract(table, state.closedKanKinds[i], 1, 4, 4);
    Subtract(table, state.riverTiles[i], 1, std::min<int>(state.riverCount[i], kRiverCapacity), 1);
  }
  Subtract(table, state.doraIndicators, 1, kDoraSlots, 1);
  return table;
}

}  // namespace mj::cpu
