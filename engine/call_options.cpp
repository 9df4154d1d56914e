#include "engine/call_options.h"

#include "engine/seat_check.h"
#include "hand/tile_counts.h"
#include "hand/waits.h"

namespace mj::engine {
namespace {

using std::size_t;

void ClearOptions(TableState& state, size_t s) {
  state.mayChi[s] = state.mayPon[s] = state.mayKan[s] = false;
  state.chiOptionTiles[s] = {};
  state.chiForbidden[s] = {};
  state.chiOptionCount[s] = 0;
  state.kanOptions[s] = {};
  state.kanOptionTypes[s] = {};
  state.kanOptionCount[s] = 0;
}

void AddKanOption(TableState& state, size_t s, TileCode kind, KanType type) {
  std::int16_t& count = state.kanOptionCount[s];
  for (int i = 1; i <= count; ++i) {
    if (state.kanOptions[s][static_cast<size_t>(i)] == kind) return;
  }
  if (count == kKanOptionSlots) return;
  ++count;
  state.kanOptions[s][static_cast<size_t>(count)] = kind;
  state.kanOptionTypes[s][static_cast<size_t>(count)] = type;
}

// Rule 17 keeps the dead wall whole: no kan once too few live tiles are left.
bool WallAllowsKan(const TableState& state) { return state.wallRemaining >= state.rules[17]; }

void FindConcealedKans(TableState& state, int seat, const TileCounts& counts) {
  const bool inRiichi = state.InRiichi(seat);
  for (TileCode kind = 1; kind <= kKindCount; ++kind) {
    if (counts[static_cast<size_t>(kind)] < 4) continue;
    // Rule 15: in riichi a kan is allowed only where it leaves the waits alone.
    if (inRiichi && (state.rules[15] != 1 || !hand::KanKeepsWaits(state, seat, kind))) continue;
    AddKanOption(state, static_cast<size_t>(seat), kind, KanType::Concealed);
  }
}

void FindAddedKans(TableState& state, int seat) {
  const auto s = static_cast<size_t>(seat);
  for (int pos = 1; pos <= kHandPositions; ++pos) {
    const TileCode kind = TileKind(state.handTiles[s][static_cast<size_t>(pos)]);
    if (kind == 0) continue;
    for (int slot = 1; slot <= 4; ++slot) {
      if (TileKind(state.ponKinds[s][static_cast<size_t>(slot)]) == kind) AddKanOption(state, s, kind, KanType::Added);
    }
  }
}

bool InOwnRiver(const TableState& state, int seat, TileCode kind) {
  const auto s = static_cast<size_t>(seat);
  for (int i = 1; i <= state.riverCount[s] && i <= kRiverCapacity; ++i) {
    if (TileKind(state.riverTiles[s][static_cast<size_t>(i)]) == kind) return true;
  }
  return false;
}

// A chi option by the called tile's number n: the two hand tiles as offsets
// from n, the numbers of n it exists for, and the second forbidden discard
// (offset from n, only when that number lies in the suit).
struct ChiPattern {
  int first, second;
  int lowestN, highestN;
  int alsoForbidden;
};
constexpr ChiPattern kChiPatterns[kChiOptionSlots] = {
    {-2, -1, 3, 9, -3},
    {-1, +1, 2, 8, 0},
    {+1, +2, 1, 7, +3},
};

// With rule 39 off, an option that leaves only forbidden tiles in the hand
// would leave the caller nothing to discard.
bool LeavesALegalDiscard(TileCounts counts, TileCode first, TileCode second, const std::array<TileCode, 3>& banned) {
  --counts[static_cast<size_t>(first)];
  --counts[static_cast<size_t>(second)];
  for (TileCode kind = 1; kind <= kKindCount; ++kind) {
    if (counts[static_cast<size_t>(kind)] > 0 && kind != banned[1] && kind != banned[2]) return true;
  }
  return false;
}

void FindChiOptions(TableState& state, int seat, TileCode kind, const TileCounts& counts) {
  const auto s = static_cast<size_t>(seat);
  const int n = SuitNumber(kind);
  const bool kuikaeAllowed = state.rules[39] == 1;
  for (const ChiPattern& p : kChiPatterns) {
    if (n < p.lowestN || n > p.highestN) continue;
    const auto first = static_cast<TileCode>(kind + p.first);
    const auto second = static_cast<TileCode>(kind + p.second);
    if (counts[static_cast<size_t>(first)] == 0 || counts[static_cast<size_t>(second)] == 0) continue;
    std::array<TileCode, 3> banned{};
    if (!kuikaeAllowed) {
      banned[1] = kind;
      const int other = n + p.alsoForbidden;
      if (p.alsoForbidden != 0 && other >= 1 && other <= 9) banned[2] = static_cast<TileCode>(kind + p.alsoForbidden);
      if (!LeavesALegalDiscard(counts, first, second, banned)) continue;
    }
    const auto option = static_cast<size_t>(++state.chiOptionCount[s]);
    state.chiOptionTiles[s][option] = {0, first, second};
    state.chiForbidden[s][option] = banned;
  }
}

}  // namespace

bool FindCallOptions(TableState& state, int seat, TileCode tile, bool chiAllowed) {
  if (!IsSeat(seat)) return false;
  const auto s = static_cast<size_t>(seat);
  ClearOptions(state, s);
  const bool ownTurn = seat == state.currentSeat;
  if (!ownTurn && state.wallRemaining <= 0) return false;  // the last discard of the hand
  if (state.rules[56] == 1 && state.players[s].isCpu) return false;

  const TileCode kind = TileKind(tile);
  const TileCounts counts = hand::ConcealedCounts(state, seat);
  if (ownTurn && WallAllowsKan(state)) FindConcealedKans(state, seat, counts);

  if (!state.InRiichi(seat) && state.rules[53] != 0) {
    if (ownTurn) {
      if (WallAllowsKan(state)) FindAddedKans(state, seat);
    } else if (kind >= 1 && kind <= kKindCount) {
      if (WallAllowsKan(state) && state.kanOptionCount[s] == 0 && counts[static_cast<size_t>(kind)] >= 3) {
        AddKanOption(state, s, kind, KanType::Open);
      }
      // Rule 48 off: a kind the seat has thrown away itself cannot be taken back.
      const bool blocked = state.rules[48] == 0 && InOwnRiver(state, seat, kind);
      if (!blocked) {
        state.mayPon[s] = counts[static_cast<size_t>(kind)] >= 2 && state.handTiles[s][kDrawnPosition] == 0;
        if (chiAllowed && IsSuited(kind)) FindChiOptions(state, seat, kind, counts);
      }
    }
  }
  state.mayChi[s] = state.chiOptionCount[s] > 0;
  state.mayKan[s] = state.kanOptionCount[s] > 0;
  return state.mayChi[s] || state.mayPon[s] || state.mayKan[s];
}

bool CanChi(const TableState& state, int seat) {
  if (!IsSeat(seat)) return false;
  const auto s = static_cast<size_t>(seat);
  return state.mayChi[s] && state.chiOptionCount[s] > 0;
}

bool CanPon(const TableState& state, int seat) { return IsSeat(seat) && state.mayPon[static_cast<size_t>(seat)]; }

bool CanKan(const TableState& state, int seat) {
  if (!IsSeat(seat)) return false;
  const auto s = static_cast<size_t>(seat);
  return state.mayKan[s] && state.kanOptionCount[s] > 0;
}

KanOption KanOptionAt(const TableState& state, int seat, int option) {
  if (!IsSeat(seat)) return {};
  const auto s = static_cast<size_t>(seat);
  if (option < 1 || option > state.kanOptionCount[s]) return {};
  return {state.kanOptions[s][static_cast<size_t>(option)], state.kanOptionTypes[s][static_cast<size_t>(option)]};
}

int KanOptionAtPosition(const TableState& state, int seat, int position) {
  if (!IsSeat(seat) || position < 1 || position > kHandPositions) return 0;
  const auto s = static_cast<size_t>(seat);
  const TileCode kind = TileKind(state.handTiles[s][static_cast<size_t>(position)]);
  for (int option = 1; kind != 0 && option <= state.kanOptionCount[s]; ++option) {
    if (state.kanOptions[s][static_cast<size_t>(option)] == kind) return option;
  }
  return 0;
}

int ChiOptionForKinds(const TableState& state, int seat, TileCode first, TileCode second) {
  if (!IsSeat(seat)) return 0;
  const auto s = static_cast<size_t>(seat);
  const TileCode a = TileKind(first), b = TileKind(second);
  for (int option = 1; option <= state.chiOptionCount[s]; ++option) {
    const auto& tiles = state.chiOptionTiles[s][static_cast<size_t>(option)];
    if ((tiles[1] == a && tiles[2] == b) || (tiles[1] == b && tiles[2] == a)) return option;
  }
  return 0;
}

bool IsKuikaeBanned(const TableState& state, TileCode tile) {
  const TileCode kind = TileKind(tile);
  return kind != 0 && (state.kuikaeBan[1] == kind || state.kuikaeBan[2] == kind);
}

}  // namespace mj::engine
