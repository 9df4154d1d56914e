#pragma once
#include "engine/state/seat_helpers.h"

namespace mj::engine {

// Seat numbers that arrive from a click or a LAN line are checked before use.
constexpr bool IsSeat(int seat) { return seat >= 1 && seat <= kSeats; }

}  // namespace mj::engine
