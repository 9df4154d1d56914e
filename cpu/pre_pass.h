#pragma once
// Before rating the hand: tiles that are plainly useless go first (a guest
// wind, an isolated terminal, 2 or 8, a single dragon or value wind).
#include "cpu/discard_context.h"

namespace mj::cpu {

// A kind, or 0 when none of the tests finds one.
TileCode UselessTileDiscard(DiscardContext& context);

}  // namespace mj::cpu
