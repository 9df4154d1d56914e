#pragma once
// What the turn cycle, the calls and the riichi declaration keep for the
// local yaku that depend on how a hand was played rather than on its tiles.
// Cleared with the rest of the hand.
#include <cstdint>

#include "engine/state/seat_helpers.h"

namespace mj {

struct LocalYakuState {
  std::int16_t kanRunCount = 0;  // kans declared one after another in this turn
  bool kanOfRedDragon = false;   // the kan just declared was of 中
  PerSeat<bool> lastCopyWin{};   // at its riichi the seat waited on the last unseen copy of one kind
};

}  // namespace mj
