#pragma once
// What the calls and the turn cycle keep for the local yaku that depend on
// how a hand was played rather than on its tiles (the discard after a kan is
// the turn cycle's, the last copy at riichi the riichi's). Cleared with the
// rest of the hand.
#include <cstdint>

namespace mj {

struct LocalYakuState {
  std::int16_t kanRunCount = 0;  // kans declared one after another in this turn
  bool kanOfRedDragon = false;   // the kan just declared was of 中
};

}  // namespace mj
