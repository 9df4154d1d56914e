#pragma once
// The fast entry points of hand reading: everything a completeness or wait
// test needs, as count vectors. Built once from the table state, then changed
// tile by tile by callers that try many hands (the CPU's discard search).
#include "engine/state/table_state.h"
#include "hand/kind_list.h"

namespace mj::hand {

// counts is always concealed plus what meldCount melds add.
struct HandShape {
  TileCounts concealed{};  // the concealed tiles
  TileCounts counts{};     // tileCounts: concealed plus melds, a kan as 3
  int meldCount = 0;
  bool hasCalled = false;

  void AddTile(TileCode kind) { ++concealed[kind]; ++counts[kind]; }
  void RemoveTile(TileCode kind) { --concealed[kind]; --counts[kind]; }
};

// Positions 1-14 and the melds.
HandShape HandShapeOf(const TableState& state, int seat);
// Positions 1-13 and the melds: the drawn position is the test slot.
HandShape WaitShapeOf(const TableState& state, int seat);

// The fourteen-tile test: 国士無双, seven pairs or four sets and a pair.
bool IsCompleteShape(const HandShape& shape);
// Every kind that makes the thirteen-tile shape complete, ascending. A kind
// the hand already holds four times is not left out.
KindList WaitingKindsOf(const HandShape& shape);

// The same two tests straight from the seat's rows (positions 1-14, and
// 1-13 with the drawn position as the test slot), without building a shape.
bool IsCompleteAt(const TableState& state, int seat);
KindList WaitingKindsAt(const TableState& state, int seat);

// The two special shapes, on tileCounts.
// Every terminal and honour kind held, one of them twice.
bool IsKokushiShape(const TileCounts& counts);
// Exactly seven kinds held exactly twice, never in an open hand (four of a
// kind is not two pairs).
bool IsSevenPairsShape(const TileCounts& counts, bool hasCalled);

}  // namespace mj::hand
