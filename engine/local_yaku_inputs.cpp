#include "engine/local_yaku_inputs.h"

#include <algorithm>
#include <cstddef>

#include "hand/unseen_count.h"
#include "hand/waits.h"
#include "hand/yaku_codes.h"

namespace mj::engine {
namespace {

constexpr std::size_t Index(int i) { return static_cast<std::size_t>(i); }

// A called tile stays in its river and is shown in the meld as well.
int CalledFromRivers(const TableState& state, TileCode kind) {
  int called = 0;
  for (int seat = 1; seat <= kSeats; ++seat) {
    const std::size_t s = Index(seat);
    const int length = std::min<int>(state.riverCount[s], kRiverCapacity);
    for (int i = 1; i <= length; ++i) {
      called += state.riverTakenByCall[s][Index(i)] && TileKind(state.riverTiles[s][Index(i)]) == kind ? 1 : 0;
    }
  }
  return called;
}

}  // namespace

void NoteKanDeclared(TableState& state, TileCode kind) {
  ++state.kanRunCount;
  state.kanOfRedDragon = TileKind(kind) == kRed;
  state.discardAfterKan = false;
}

void NoteTurnPassed(TableState& state) {
  state.discardAfterKan = false;
  state.kanRunCount = 0;
  state.kanOfRedDragon = false;
}

void NoteRiichiWait(TableState& state, int seat) {
  if (!state.rules.LocalYakuOn(hand::yaku::kZetchou)) return;
  const hand::KindList waits = hand::WaitingKinds(state, seat);
  if (waits.size != 1) return;
  const int unseen = hand::UnseenCount(state, seat, waits[0], true) + CalledFromRivers(state, waits[0]);
  state.lastCopyWin[Index(seat)] = unseen == 1;
}

}  // namespace mj::engine
