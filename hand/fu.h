#pragma once
// The fu of a won hand, from the decomposition the evaluation chose.
#include "engine/state/table_state.h"

namespace mj::hand {

// Stores handFu (seat): 20/30 for 平和, 25/50 for seven pairs (rule 33),
// otherwise the base, the win, the triplets and kans, the pair and the wait,
// rounded up to ten. winKind is kTsumoWin or kRonWin.
void ComputeFu(TableState& state, int seat, int winKind);

}  // namespace mj::hand
