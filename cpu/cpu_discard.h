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

// A seat that is not in riichi may declare it now: a closed hand, at least
// four tiles left in the wall, the stake affordable under rule 9, and no
// other seat in open riichi.
bool CanDeclareRiichi(const TableState& state, int seat);

// The drawn tile, or after a call the last tile of the hand.
int LastTilePosition(const TableState& state, int seat);

}  // namespace mj::cpu
