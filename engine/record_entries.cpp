#include "engine/record_entries.h"

#include "engine/tile_text.h"

namespace mj::engine {

void AddRecordEntry(TableState& state, std::string entry) {
  if (state.recordEnabled && state.isMaster) state.recordLines.push_back(std::move(entry));
}

void RecordDraw(TableState& state, int seat, TileCode tile) {
  if (state.recordEnabled && state.isMaster) AddRecordEntry(state, std::to_string(seat) + "G" + TileText(tile));
}

}  // namespace mj::engine
