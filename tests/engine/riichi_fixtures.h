#pragma once
// A table for the riichi tests: seat 2 has just drawn and may declare.
#include "tests/engine/call_fixtures.h"

namespace mj::test {

// Seat 2 waits on 5p alone once it throws its drawn 9p; 30 live tiles left,
// 25000 points each.
inline TableState Seat2Drew() {
  TableState s = TableOnOwnTurn(2, "234m567m234s678s5p", "9p");
  s.wallRemaining = 30;
  for (int seat = 1; seat <= kSeats; ++seat) s.players[static_cast<std::size_t>(seat)].score = Money::FromPoints(25000);
  return s;
}

}  // namespace mj::test
