#pragma once
// Counting dora, ura dora and red fives for a won hand.
#include "engine/state/table_state.h"

namespace mj::hand {

// The dora an indicator names: the indicator's own kind under rule 4 = 1
// (現物), otherwise the next kind of its cycle (9→1, 北→東, 中→白).
TileCode DoraKindOf(TileCode indicator, const RuleSet& rules);

struct DoraCounts {
  int dora = 0;
  int ura = 0;
};

// Dora and (for a riichi seat) ura tiles among tileCounts; a kan of a dora
// kind counts 4. A kan dora still waiting to be flipped counts as flipped
// unless the hand robs that kan.
DoraCounts CountDora(const TableState& state, int seat, const TileCounts& counts);

// Red fives in hand positions 1-14 and among the meld tiles shown.
int CountRedFives(const TableState& state, int seat);

}  // namespace mj::hand
