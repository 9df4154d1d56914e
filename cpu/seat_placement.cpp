#include "cpu/seat_placement.h"

namespace mj::cpu {

int SeatPlacement(const TableState& state, int seat) {
  const Money& own = state.players[static_cast<std::size_t>(seat)].score;
  int placement = 1;
  for (int other = 1; other <= kSeats; ++other) placement += state.players[static_cast<std::size_t>(other)].score > own;
  return placement;
}

}  // namespace mj::cpu
