#include "hand/win_check.h"

#include <algorithm>
#include <cstddef>

#include "hand/complete_hand.h"
#include "hand/furiten.h"
#include "hand/waits.h"

namespace mj::hand {
namespace {

constexpr std::size_t Index(int i) { return static_cast<std::size_t>(i); }

// Codes that never make a list fixed: the last tile, the replacement tile
// and the robbed kan (and their local variants), and the dora.
constexpr std::array<YakuCode, 9> kUnfixedCodes{8, 9, 10, 11, 102, 113, 50, 51, 52};
// Mangan-class flags that stand on their own: 五心通貫, 双竜争珠,
// 独釣寒江雪, 清盃口, 人和.
constexpr std::array<int, 5> kStandaloneManganFlags{3, 6, 7, 8, 9};

bool Evaluate(TableState& state, int seat, int winKind, WinEvaluator& evaluator) {
  ClearWinOutputs(state, seat);
  return evaluator.EvaluateWin(state, seat, winKind);
}

// 先付けなし: every kind that completes the hand must give a fixed list.
bool EveryWaitFixed(TableState& state, int seat, WinEvaluator& evaluator) {
  TileCode& slot = state.handTiles[Index(seat)][kDrawnPosition];
  const TileCode offered = slot;
  bool fixed = true;
  for (TileCode kind : WaitingKinds(state, seat)) {
    slot = kind;
    state.winningTile = kind;
    Evaluate(state, seat, kRonWin, evaluator);
    fixed = IsFixedYakuList(state, seat);
    if (!fixed) break;
  }
  slot = offered;
  state.winningTile = offered;
  ClearWinOutputs(state, seat);
  return fixed;
}

// The discard on offer (or the tile added to a kan) tried by one seat.
bool TryRon(TableState& state, int seat, TileCode tile, WinEvaluator& evaluator) {
  const std::size_t s = Index(seat);
  state.handTiles[s][kDrawnPosition] = tile;
  state.winningTile = tile;
  // Only a complete hand wins on another seat's tile: the evaluation's
  // nine-terminals abort belongs to the seat's own first draw. Testing the
  // shape first also spares the evaluation on nearly every discard.
  if (!IsCompleteHand(state, seat)) return false;
  if (state.rules[8] == 1 && !EveryWaitFixed(state, seat, evaluator)) return false;
  if (!Evaluate(state, seat, kRonWin, evaluator)) return false;
  StripNotFixedMarks(state, seat);
  CheckFuriten(state, seat);
  state.canRon[s] = true;
  if (state.yakuList[s][0] == kFuritenCode && state.players[s].isCpu) {
    // A CPU never claims a furiten win; a human's claim stands and is
    // settled as a chombo.
    state.yakuList[s].fill(0);
    state.canRon[s] = false;
    return false;
  }
  return true;
}

bool CheckRon(TableState& state, WinEvaluator& evaluator) {
  const std::size_t discarder = Index(state.currentSeat);
  const int riverLength = std::min<int>(state.riverCount[discarder], kRiverCapacity);
  const TileCode tile = state.robbingKan ? state.robbedKanTile : state.riverTiles[discarder][Index(riverLength)];
  bool anyWin = false;
  if (tile == kNoTile) return anyWin;
  for (int seat = NextSeat(state.currentSeat); seat != state.currentSeat; seat = NextSeat(seat)) {
    anyWin = TryRon(state, seat, tile, evaluator) || anyWin;
    state.handTiles[Index(seat)][kDrawnPosition] = kNoTile;
  }
  return anyWin;
}

bool CheckTsumo(TableState& state, WinEvaluator& evaluator) {
  const int seat = state.currentSeat;
  const std::size_t s = Index(seat);
  if (!Evaluate(state, seat, kTsumoWin, evaluator)) return false;
  if (state.rules[8] == 1 && !IsFixedYakuList(state, seat)) return false;
  StripNotFixedMarks(state, seat);
  state.winningTile = state.handTiles[s][kDrawnPosition];
  state.canRon[s] = true;
  return true;
}

}  // namespace

void ClearWinOutputs(TableState& state, int seat) {
  const std::size_t s = Index(seat);
  state.yakuList[s].fill(0);
  state.yakuLines[s] = {};
  state.yakuhaiCount[s] = 0;
  state.doraCount[s] = 0;
  state.uraCount[s] = 0;
  state.redCount[s] = 0;
  state.manganYakuFlags[s].fill(false);
  state.kokushi13Wait[s] = false;
}

bool IsFixedYakuList(const TableState& state, int seat) {
  const std::size_t s = Index(seat);
  for (int flag : kStandaloneManganFlags) {
    if (state.manganYakuFlags[s][Index(flag)]) return true;
  }
  for (YakuCode code : state.yakuList[s]) {
    if (code == 0) break;
    const bool unfixed = code >= kNotFixedMark || std::find(kUnfixedCodes.begin(), kUnfixedCodes.end(), code) != kUnfixedCodes.end();
    if (!unfixed) return true;
  }
  return false;
}

void StripNotFixedMarks(TableState& state, int seat) {
  for (YakuCode& code : state.yakuList[Index(seat)]) {
    if (code >= kNotFixedMark) code = static_cast<YakuCode>(code - kNotFixedMark);
  }
}

bool CheckWins(TableState& state, int mode, WinEvaluator& evaluator) {
  for (int seat = 1; seat <= kSeats; ++seat) ClearWinOutputs(state, seat);
  return mode == kCheckTsumo ? CheckTsumo(state, evaluator) : CheckRon(state, evaluator);
}

}  // namespace mj::hand
