#pragma once
// The per-hand buffer of action entries ("1G5m", "2d東", …).
#include <string>

#include "engine/state/table_state.h"

namespace mj::engine {

// Only the master keeps entries, and only while the hand's record is on.
void AddRecordEntry(TableState& state, std::string entry);
// seat, "G", tile: a live draw or a kan replacement draw.
void RecordDraw(TableState& state, int seat, TileCode tile);

}  // namespace mj::engine
