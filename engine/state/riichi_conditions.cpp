#include "engine/state/riichi_conditions.h"

namespace mj {
namespace {

constexpr int kLiveTilesForRiichi = 4;

bool IsSeat(int seat) { return seat >= 1 && seat <= kSeats; }

}  // namespace

bool RiichiDeclarationPending(const TableState& state, int seat) {
  return state.riichiJustDeclared && state.currentSeat == seat;
}

bool InOpenRiichi(const TableState& state, int seat) {
  return IsSeat(seat) && state.openRiichi[static_cast<std::size_t>(seat)] && state.InRiichi(seat);
}

bool RiichiAllowed(const TableState& state, int seat) {
  if (!IsSeat(seat)) return false;
  const auto s = static_cast<std::size_t>(seat);
  if (state.currentSeat != seat || state.handTiles[s][kDrawnPosition] == 0) return false;
  if (state.InRiichi(seat) || RiichiDeclarationPending(state, seat) || state.hasCalled[s]) return false;
  if (state.wallRemaining < kLiveTilesForRiichi) return false;
  for (int other = 1; other <= kSeats; ++other) {
    if (other != seat && InOpenRiichi(state, other)) return false;
  }
  return state.rules[9] == 0 || state.players[s].score >= kRiichiStake;
}

bool OpenRiichiAvailable(const TableState& state, int seat) {
  return IsSeat(seat) && state.rules.LocalYakuOn(kOpenRiichiYaku) && state.riverCount[static_cast<std::size_t>(seat)] >= 1;
}

}  // namespace mj
