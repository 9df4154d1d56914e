#include "hand/furiten.h"

#include <algorithm>
#include <cstddef>

#include "hand/hand_shape.h"
#include "hand/win_evaluator.h"

namespace mj::hand {
namespace {

constexpr std::size_t Index(int i) { return static_cast<std::size_t>(i); }

int RiverLength(const TableState& state, int seat) {
  return std::min<int>(state.riverCount[Index(seat)], kRiverCapacity);
}

bool RiverHoldsKind(const TableState& state, int seat, TileCode kind) {
  const std::size_t s = Index(seat);
  for (int i = 1; i <= RiverLength(state, seat); ++i) {
    if (TileKind(state.riverTiles[s][Index(i)]) == kind) return true;
  }
  return false;
}

// Some tile of the river (called ones included) would complete the hand.
bool RiverHoldsWait(const TableState& state, int seat) {
  const std::size_t s = Index(seat);
  HandShape shape = WaitShapeOf(state, seat);
  for (int i = 1; i <= RiverLength(state, seat); ++i) {
    const TileCode kind = TileKind(state.riverTiles[s][Index(i)]);
    if (kind == kNoTile) continue;
    shape.AddTile(kind);
    const bool completes = IsCompleteShape(shape);
    shape.RemoveTile(kind);
    if (completes) return true;
  }
  return false;
}

bool IsFuriten(const TableState& state, int seat) {
  const std::size_t s = Index(seat);
  if (state.missedWinFuriten[s]) return true;
  const bool exactTile = (state.kokushi13Wait[s] && state.rules[28] == 0) || state.rules[23] != 0;
  if (exactTile) return RiverHoldsKind(state, seat, TileKind(state.handTiles[s][kDrawnPosition]));
  return RiverHoldsWait(state, seat);
}

}  // namespace

bool CheckFuriten(TableState& state, int seat) {
  if (!IsFuriten(state, seat)) return false;
  YakuRow& row = state.yakuList[Index(seat)];
  row.fill(0);
  row[0] = kFuritenCode;
  return true;
}

}  // namespace mj::hand
