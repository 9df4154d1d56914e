#include "cpu/dora_kinds.h"

namespace mj::cpu {
namespace {

TileCode NextInGroup(TileCode kind) {
  if (IsSuited(kind)) return SuitNumber(kind) == 9 ? static_cast<TileCode>(kind - 8) : static_cast<TileCode>(kind + 1);
  if (kind == kNorth) return kEast;
  if (kind == kRed) return kWhite;
  return static_cast<TileCode>(kind + 1);
}

}  // namespace

DoraKinds DoraKindsNow(const TableState& state) {
  DoraKinds dora;
  const bool indicatorIsDora = state.rules[4] == 1;
  for (int slot = 1; slot <= kDoraSlots; ++slot) {
    const TileCode indicator = TileKind(state.doraIndicators[static_cast<std::size_t>(slot)]);
    if (indicator == 0) break;
    const TileCode kind = indicatorIsDora ? indicator : NextInGroup(indicator);
    dora.kinds[static_cast<std::size_t>(dora.count++)] = kind;
    dora.set.Add(kind);
  }
  return dora;
}

bool IsDoraKind(const TableState& state, TileCode tile) { return DoraKindsNow(state).Contains(tile); }

}  // namespace mj::cpu
