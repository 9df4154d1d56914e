#pragma once
// Small builders for the hand-reading tests: melds in the seat's meld rows
// and the chosen decomposition as text.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "engine/state/table_state.h"
#include "tests/support/tile_notation.h"

namespace mj::hand::fixture {

inline std::size_t At(int i) { return static_cast<std::size_t>(i); }

inline void AddChi(TableState& state, int seat, std::string_view tiles) {
  auto& chi = state.chiTiles[At(seat)];
  int group = 1;
  while (chi[At(group)] != kNoTile) group += 3;
  const std::vector<TileCode> t = test::Tiles(tiles);
  for (std::size_t i = 0; i < t.size(); ++i) chi[At(group) + i] = t[i];
  state.hasCalled[At(seat)] = true;
}

inline void AddToSlots(KindSlots& slots, TileCode tile) {
  int slot = 1;
  while (slots[At(slot)] != kNoTile) ++slot;
  slots[At(slot)] = tile;
}

inline void AddPon(TableState& state, int seat, std::string_view tile) {
  AddToSlots(state.ponKinds[At(seat)], test::Tile(tile));
  state.hasCalled[At(seat)] = true;
}

inline void AddOpenKan(TableState& state, int seat, std::string_view tile) {
  AddToSlots(state.openKanKinds[At(seat)], test::Tile(tile));
  state.hasCalled[At(seat)] = true;
}

inline void AddClosedKan(TableState& state, int seat, std::string_view tile) {
  AddToSlots(state.closedKanKinds[At(seat)], test::Tile(tile));
}

// A seat's hand with its melds, the melds written "pon 5z", "chi 345p",
// "kan 1s" (open) or "ankan 9m", separated by commas.
inline void SetSeat(TableState& state, int seat, std::string_view hand, std::string_view melds = "") {
  test::SetHand(state, seat, hand);
  while (!melds.empty()) {
    const std::size_t comma = melds.find(',');
    std::string_view meld = melds.substr(0, comma);
    melds = comma == std::string_view::npos ? std::string_view{} : melds.substr(comma + 1);
    while (!meld.empty() && meld.front() == ' ') meld.remove_prefix(1);
    const std::size_t space = meld.find(' ');
    const std::string_view type = meld.substr(0, space);
    const std::string_view tiles = meld.substr(space + 1);
    if (type == "chi") AddChi(state, seat, tiles);
    if (type == "pon") AddPon(state, seat, tiles);
    if (type == "kan") AddOpenKan(state, seat, tiles);
    if (type == "ankan") AddClosedKan(state, seat, tiles);
  }
}

// "1m2m3m" as "123m".
inline std::string Compact(const std::string& notation) {
  std::string out;
  for (std::size_t i = 0; i + 1 < notation.size(); i += 2) {
    out += notation[i];
    if (i + 3 >= notation.size() || notation[i + 3] != notation[i + 1]) out += notation[i + 1];
  }
  return out;
}

// "123m 555z 2222s | 5p": the sets in stored order (a kan with its four
// tiles), then the pair.
inline std::string SetsText(const TableState& state) {
  std::string text;
  for (int i = 1; i <= 4; ++i) {
    const auto& set = state.decompSets[At(i)];
    std::vector<TileCode> tiles;
    for (int p = 1; p <= 4; ++p) {
      if (set[At(p)] != kNoTile) tiles.push_back(set[At(p)]);
    }
    text += Compact(test::Notation(tiles)) + " ";
  }
  return text + "| " + (state.decompPair == kNoTile ? "-" : test::Notation({state.decompPair}));
}

}  // namespace mj::hand::fixture
