#include "engine/meld_tiles.h"

#include <algorithm>

namespace mj::engine {
namespace {

using std::size_t;

// First meld position after the groups already laid out.
int NextMeldPosition(const TableState& state, size_t s, int groups) {
  int pos = kFirstMeldPosition;
  for (int g = 1; g <= groups; ++g) pos += state.meldSizes[s][static_cast<size_t>(g)];
  return pos;
}

int GroupCount(const TableState& state, size_t s) {
  int groups = 0;
  while (groups < kMeldSlots && state.meldSizes[s][static_cast<size_t>(groups + 1)] != 0) ++groups;
  return groups;
}

}  // namespace

int HeldInHand(const TableState& state, int seat, TileCode kind, int last) {
  const auto s = static_cast<size_t>(seat);
  int held = 0;
  for (int pos = 1; pos <= last; ++pos) held += TileKind(state.handTiles[s][static_cast<size_t>(pos)]) == kind;
  return kind == 0 ? 0 : held;
}

TileCode TakeFromHand(TableState& state, int seat, TileCode kind, int last) {
  HandRow& hand = state.handTiles[static_cast<size_t>(seat)];
  for (int pos = 1; pos <= last && kind != 0; ++pos) {
    TileCode& tile = hand[static_cast<size_t>(pos)];
    if (TileKind(tile) != kind) continue;
    const TileCode taken = tile;
    tile = 0;
    return taken;
  }
  return 0;
}

void MoveDrawnTileIntoHand(TableState& state, int seat) {
  HandRow& hand = state.handTiles[static_cast<size_t>(seat)];
  if (hand[kDrawnPosition] == 0) return;
  for (int pos = 1; pos < kDrawnPosition; ++pos) {
    if (hand[static_cast<size_t>(pos)] != 0) continue;
    hand[static_cast<size_t>(pos)] = hand[kDrawnPosition];
    hand[kDrawnPosition] = 0;
    return;
  }
}

void AppendMeld(TableState& state, int seat, std::initializer_list<TileCode> tiles, int fromSeat) {
  const auto s = static_cast<size_t>(seat);
  const int groups = GroupCount(state, s);
  if (groups == kMeldSlots) return;
  int pos = NextMeldPosition(state, s, groups);
  for (TileCode t : tiles) {
    if (pos <= kLastMeldPosition) state.meldTiles[s][static_cast<size_t>(pos++)] = t;
  }
  const auto g = static_cast<size_t>(groups + 1);
  state.meldSizes[s][g] = static_cast<std::int16_t>(tiles.size());
  state.meldFromSeat[s][g] = static_cast<std::int16_t>(fromSeat);
}

void GrowPonIntoKan(TableState& state, int seat, TileCode kind, TileCode added) {
  const auto s = static_cast<size_t>(seat);
  const int groups = GroupCount(state, s);
  for (int g = 1; g <= groups; ++g) {
    const int first = NextMeldPosition(state, s, g - 1);
    const auto size = state.meldSizes[s][static_cast<size_t>(g)];
    if (size != 3 || TileKind(state.meldTiles[s][static_cast<size_t>(first)]) != kind ||
        TileKind(state.meldTiles[s][static_cast<size_t>(first + 1)]) != kind) {
      continue;
    }
    // The later groups move one position down to make room after the pon.
    MeldRow& row = state.meldTiles[s];
    std::copy_backward(row.begin() + first + 3, row.end() - 1, row.end());
    row[static_cast<size_t>(first + 3)] = added;
    state.meldSizes[s][static_cast<size_t>(g)] = 4;
    break;
  }
  for (auto& set : state.calledSets[s]) {
    if (set[1] == kind && set[2] == kind && set[3] == kind) {
      set[4] = kind;
      break;
    }
  }
}

void AddKindSlot(KindSlots& slots, TileCode kind) {
  for (int i = 1; i <= 4; ++i) {
    if (slots[static_cast<size_t>(i)] != 0) continue;
    slots[static_cast<size_t>(i)] = kind;
    return;
  }
}

void RemoveKindSlot(KindSlots& slots, TileCode kind) {
  auto first = slots.begin() + 1;
  auto kept = std::remove_if(first, slots.end(), [kind](TileCode k) { return k != 0 && TileKind(k) == kind; });
  std::fill(kept, slots.end(), TileCode{0});
}

void AddCalledSet(TableState& state, int seat, std::initializer_list<TileCode> kinds) {
  for (int i = 1; i <= kMeldSlots; ++i) {
    auto& set = state.calledSets[static_cast<size_t>(seat)][static_cast<size_t>(i)];
    if (set[1] != 0) continue;
    const size_t n = std::min<size_t>(kinds.size(), 4);
    std::copy_n(kinds.begin(), n, set.begin() + 1);
    std::sort(set.begin() + 1, set.begin() + 1 + static_cast<std::ptrdiff_t>(n));
    return;
  }
}

}  // namespace mj::engine
