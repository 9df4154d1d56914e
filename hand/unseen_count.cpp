#include "hand/unseen_count.h"

#include <algorithm>
#include <cstddef>

namespace mj::hand {
namespace {

constexpr std::size_t Index(int i) { return static_cast<std::size_t>(i); }

template <std::size_t N>
int CopiesIn(const std::array<TileCode, N>& tiles, int first, int last, TileCode kind) {
  int copies = 0;
  for (int i = first; i <= last; ++i) copies += TileKind(tiles[Index(i)]) == kind;
  return copies;
}

}  // namespace

int UnseenCount(const TableState& state, int seat, TileCode kind, bool ownHandVisible) {
  kind = TileKind(kind);
  if (kind < 1 || kind > kKindCount) return 0;
  int unseen = 4;
  if (ownHandVisible) unseen -= CopiesIn(state.handTiles[Index(seat)], 1, kHandPositions, kind);
  for (int s = 1; s <= kSeats; ++s) {
    const std::size_t i = Index(s);
    unseen -= 3 * CopiesIn(state.ponKinds[i], 1, 4, kind);
    unseen -= CopiesIn(state.chiTiles[i], 1, 12, kind);
    unseen -= 4 * CopiesIn(state.openKanKinds[i], 1, 4, kind);
    unseen -= 4 * CopiesIn(state.closedKanKinds[i], 1, 4, kind);
    unseen -= CopiesIn(state.riverTiles[i], 1, std::min<int>(state.riverCount[i], kRiverCapacity), kind);
  }
  unseen -= CopiesIn(state.doraIndicators, 1, kDoraSlots, kind);
  return unseen;
}

}  // namespace mj::hand
