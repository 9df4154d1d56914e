#pragma once
// The riichi opinion: which discard leaves the hand ready with the best
// waits, and whether those waits are worth declaring.
#include "common/random_source.h"
#include "engine/state/table_state.h"

namespace mj::cpu {

// 0 no opinion; -p discard position p and stay silent (ダマ); +p position p
// leaves the hand ready and may carry a riichi. Only a discard that leaves
// the hand ready is ever named.
int DecideRiichi(const TableState& state, int seat, RandomSource& random);

}  // namespace mj::cpu
