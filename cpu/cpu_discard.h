#pragma once
// A CPU seat's whole discard step: riichi opinion, the discard itself, the
// riichi declaration it asks for, and the care taken against open riichi.
#include "common/random_source.h"
#include "engine/state/table_state.h"

namespace mj::cpu {

struct CpuDiscard {
  int position = kDrawnPosition;
  bool riichi = false;      // declare riichi with this discard
  bool openRiichi = false;  // as an open riichi (local yaku 111)
};

CpuDiscard DecideCpuDiscard(TableState& state, int seat, RandomSource& random);

// The drawn tile, or after a call the last tile of the hand.
int LastTilePosition(const TableState& state, int seat);

}  // namespace mj::cpu
