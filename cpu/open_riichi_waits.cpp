#include "cpu/open_riichi_waits.h"

#include "cpu/discard_context.h"
#include "engine/state/riichi_conditions.h"
#include "hand/hand_shape.h"

namespace mj::cpu {
namespace {

constexpr std::size_t I(int i) { return static_cast<std::size_t>(i); }

}  // namespace

bool OtherSeatInOpenRiichi(const TableState& s, int seat) {
  for (int other = 1; other <= kSeats; ++other) {
    if (other != seat && InOpenRiichi(s, other)) return true;
  }
  return false;
}

int AvoidOpenRiichiWaits(const TableState& s, int seat, int position, RandomSource& random) {
  const HandRow& hand = s.handTiles[I(seat)];
  const TileCode first = TileKind(hand[I(position)]);
  int choice = position;
  for (int other = 1; other <= kSeats; ++other) {
    if (other == seat || !InOpenRiichi(s, other)) continue;
    const hand::KindList waits = hand::WaitingKindsOf(hand::WaitShapeOf(s, other));
    if (!waits.Contains(first)) continue;
    const bool highEndFirst = random.RandomBetween(0, 1) == 1;
    for (int n = 0; n < kHandPositions; ++n) {
      const int p = highEndFirst ? kHandPositions - n : n + 1;
      const TileCode tile = hand[I(p)];
      if (tile != 0 && !waits.Contains(TileKind(tile)) && !IsForbiddenAfterCall(s, tile)) {
        choice = p;
        break;
      }
    }
  }
  return choice;
}

}  // namespace mj::cpu
