#include "hand/fu.h"

#include <cstddef>

#include "hand/win_evaluator.h"
#include "hand/yaku_checks.h"
#include "hand/yaku_codes.h"

namespace mj::hand {
namespace {

bool ListHas(const YakuRow& row, YakuCode code) {
  for (YakuCode c : row) {
    if (c == 0) return false;
    if (c == code) return true;
  }
  return false;
}

bool IsSevenPairsCode(YakuCode code) { return code == yaku::kChiitoitsu || (code >= 104 && code <= 107); }

bool HasSevenPairsCode(const YakuRow& row) {
  for (YakuCode c : row) {
    if (c == 0) return false;
    if (IsSevenPairsCode(c)) return true;
  }
  return false;
}

bool IsSimple(TileCode kind) { return IsSuited(kind) && !IsTerminal(kind); }

// Fu of the four sets: only triplets and kans score.
int SetFu(const TableState& state, std::size_t s, int winKind, TileCode win) {
  int fu = 0;
  for (int i = 1; i <= 4; ++i) {
    const auto& set = state.decompSets[static_cast<std::size_t>(i)];
    const TileCode kind = set[1];
    if (kind == kNoTile || set[1] != set[2]) continue;
    const int base = IsSimple(kind) ? 2 : 4;  // an open triplet
    if (set[4] != kNoTile) {
      fu += base * (SlotsHoldKind(state.openKanKinds[s], kind) ? 4 : 8);
    } else {
      const bool open = SlotsHoldKind(state.ponKinds[s], kind) || (winKind == kRonWin && win == kind);
      fu += base * (open ? 1 : 2);
    }
  }
  return fu;
}

int PairFu(const TableState& state, std::size_t s) {
  const TileCode pair = state.decompPair;
  if (pair == kNoTile) return 0;
  if (IsDragon(pair)) return 2;
  int hits = 0;
  if (pair == RoundWindTile(state.handNumber)) ++hits;
  if (pair == 27 + state.players[s].seatWind) ++hits;
  // A pair that is both round and seat wind gives 2 fu under rule 40 = 0, 4 under 1.
  if (hits == 2 && state.rules[40] == 0) hits = 1;
  return 2 * hits;
}

bool IsEdgeOrClosedWait(const std::array<TileCode, 4>& run, TileCode win) {
  if (win == run[2]) return true;  // the middle of the run
  const int low = SuitNumber(run[1]);
  return (low == 1 && win == run[3]) || (low == 7 && win == run[1]);
}

int WaitFu(const TableState& state, TileCode win) {
  if (win == state.decompPair) return 2;
  if (!IsSuited(win)) return 0;
  for (int i = 1; i <= 4; ++i) {
    const auto& set = state.concealedSets[static_cast<std::size_t>(i)];
    if (set[1] == kNoTile || set[1] == set[2]) continue;
    if (IsEdgeOrClosedWait(set, win)) return 2;
  }
  return 0;
}

}  // namespace

void ComputeFu(TableState& state, int seat, int winKind) {
  const std::size_t s = static_cast<std::size_t>(seat);
  const YakuRow& row = state.yakuList[s];
  std::int16_t& handFu = state.handFu[s];
  if (ListHas(row, yaku::kPinfu)) {
    handFu = winKind == kTsumoWin ? 20 : 30;
    return;
  }
  if (HasSevenPairsCode(row)) {
    handFu = state.rules[33] == 1 ? 25 : 50;
    return;
  }
  int fu = 20;
  if (winKind == kRonWin) {
    if (!state.hasCalled[s]) fu += 10;
  } else if (!(state.rules[26] == 0 && state.rinshanChance)) {
    fu += 2;
  }
  const TileCode win = TileKind(state.handTiles[s][kDrawnPosition]);
  fu += SetFu(state, s, winKind, win);
  fu += PairFu(state, s);
  fu += WaitFu(state, win);
  if (state.rules[35] == 1 && fu == 20) fu = 30;
  handFu = static_cast<std::int16_t>((fu + 9) / 10 * 10);
}

}  // namespace mj::hand
