#include "engine/state/table_state.h"

namespace mj {

int LastTilePosition(const TableState& state, int seat) {
  const HandRow& hand = state.handTiles[static_cast<std::size_t>(seat)];
  for (int pos = kDrawnPosition; pos >= 1; --pos) {
    if (hand[static_cast<std::size_t>(pos)] != 0) return pos;
  }
  return kDrawnPosition;
}

void ClearPerHandState(TableState& state) {
  static_cast<HandsState&>(state) = HandsState{};
  static_cast<RiverState&>(state) = RiverState{};
  static_cast<DoraState&>(state) = DoraState{};
  static_cast<ResponseState&>(state) = ResponseState{};
  static_cast<TurnState&>(state) = TurnState{};
  static_cast<WinState&>(state) = WinState{};
  static_cast<CallState&>(state) = CallState{};
  static_cast<HumanState&>(state) = HumanState{};
  static_cast<CpuState&>(state) = CpuState{};
  static_cast<LocalYakuState&>(state) = LocalYakuState{};
  static_cast<SettlementState&>(state) = SettlementState{};
  state.waremeSeat = 0;
  state.recordLines.clear();
  state.riichiJustDeclared = false;
}

}  // namespace mj
