#pragma once
// The dora the flipped indicators name (ura indicators are never read).
#include <array>

#include "cpu/kind_set.h"
#include "engine/state/table_state.h"

namespace mj::cpu {

struct DoraKinds {
  std::array<TileCode, kDoraSlots> kinds{};  // in indicator order, up to the first empty indicator
  int count = 0;
  KindSet set;

  bool Contains(TileCode tile) const { return set.Contains(tile); }
};

// Under rule 4 = 1 the indicator is the dora itself; otherwise the kind after
// it within its group (9 → 1, 北 → 東, 中 → 白).
DoraKinds DoraKindsNow(const TableState& state);

// The tile (a red five folded) is one of the dora.
bool IsDoraKind(const TableState& state, TileCode tile);

}  // namespace mj::cpu
