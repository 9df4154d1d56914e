#pragma once
// Who takes the tile on offer when several seats claim it: a win before a
// kan before a pon before a chi, and among equal claims the seat nearest in
// play order from the current seat.
#include <vector>

#include "engine/state/table_state.h"

namespace mj::engine {

struct Claim {
  int seat = 0;    // 0: nobody claims a call
  int answer = 0;  // kAnswerKan, kAnswerPon or kAnswerChi
};

// Seats in play order starting at fromSeat.
std::array<int, 4> PlayOrderFrom(int fromSeat);
// Every seat that answered a win, in play order from fromSeat.
std::vector<int> WinningSeats(const PerSeat<std::int16_t>& answers, int fromSeat);
// The strongest call among the answers (wins are settled before calls are looked at).
Claim StrongestCall(const PerSeat<std::int16_t>& answers, int fromSeat);

}  // namespace mj::engine
