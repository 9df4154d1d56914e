#pragma once
// Seat 1 choosing among several chi or kan options with the pointer: which
// option a hand tile belongs to, and which tiles that option raises.
#include <vector>

#include "engine/state/table_state.h"

namespace mj::engine {

// The player's seat, whose selection state the table keeps.
constexpr int kSelectingSeat = 1;

bool SelectionOpen(const TableState& state);

// During a chi or kan selection: the option (1-3 chi, 1-4 kan) the tile at
// the hand position belongs to, the first one when it belongs to several;
// 0 when none or no selection is open.
int SelectionOptionAt(const TableState& state, int position);

// The positions the option under the position raises, ascending: the tiles
// the call would take, the hovered one standing for its kind.
std::vector<int> RaisedPositions(const TableState& state, int position);

}  // namespace mj::engine
