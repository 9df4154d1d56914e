#include "engine/riichi.h"

#include <algorithm>

#include "engine/local_yaku_inputs.h"
#include "engine/record_entries.h"

namespace mj::engine {
namespace {

using std::size_t;

bool Listed(const TableState& state, TileCode kind) {
  const auto& list = state.riichiSafeTiles;
  return std::find(list.begin() + 1, list.end(), kind) != list.end();
}

bool AnyoneCalled(const TableState& state) {
  return std::any_of(state.hasCalled.begin() + 1, state.hasCalled.end(), [](bool called) { return called; });
}

}  // namespace

bool AnySeatInRiichi(const TableState& state) {
  for (int seat = 1; seat <= kSeats; ++seat) {
    if (state.InRiichi(seat)) return true;
  }
  return false;
}

void PayRiichiStake(TableState& state, int seat) {
  const auto s = static_cast<size_t>(seat);
  state.players[s].score -= kRiichiStake;
  ++state.depositSticks;
  state.openRiichi[s] = false;
  state.riichiJustDeclared = true;
}

void ReturnRiichiStake(TableState& state, int seat) {
  const auto s = static_cast<size_t>(seat);
  state.players[s].score += kRiichiStake;
  --state.depositSticks;
  // A riichi taken back is no riichi: an open hand closes again.
  state.openRiichi[s] = false;
  state.riichiJustDeclared = false;
}

void FixRiichi(TableState& state, int seat) {
  const auto s = static_cast<size_t>(seat);
  state.riichiJustDeclared = false;
  AddRecordEntry(state, std::to_string(seat) + "R");
  state.riichiTurn[s] = state.riverCount[s];
  state.doubleRiichi[s] = state.riverCount[s] == 1 && !AnyoneCalled(state) && state.closedKanKinds[s][1] == 0;
  state.ippatsu[s] = true;
  state.riichiStakePending[s] = true;
  RebuildRiichiSafeTiles(state, seat);
  NoteRiichiWait(state, seat);
}

void RebuildRiichiSafeTiles(TableState& state, int seat) {
  const auto s = static_cast<size_t>(seat);
  // What is listed now is safe against the seats that declared earlier.
  bool earlierRiichi = false;
  for (int other = 1; other <= kSeats; ++other) earlierRiichi = earlierRiichi || (other != seat && state.InRiichi(other));
  const auto previous = state.riichiSafeTiles;
  state.riichiSafeTiles = {};
  size_t next = 1;
  const int count = std::min<int>(state.riverCount[s], kRiverCapacity);
  for (int i = 1; i <= count && next < state.riichiSafeTiles.size(); ++i) {
    const TileCode kind = TileKind(state.riverTiles[s][static_cast<size_t>(i)]);
    if (Listed(state, kind)) continue;
    if (earlierRiichi && std::find(previous.begin() + 1, previous.end(), kind) == previous.end()) continue;
    state.riichiSafeTiles[next++] = kind;
  }
}

void AddRiichiSafeTile(TableState& state, TileCode tile) {
  auto& list = state.riichiSafeTiles;
  const auto free = std::find(list.begin() + 1, list.end(), TileCode{0});
  if (free != list.end()) *free = TileKind(tile);
}

}  // namespace mj::engine
