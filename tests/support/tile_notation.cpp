#include "tests/support/tile_notation.h"

#include <gtest/gtest.h>

namespace mj::test {

std::vector<TileCode> Tiles(std::string_view notation) {
  std::vector<TileCode> tiles;
  std::vector<int> digits;
  for (char c : notation) {
    if (c >= '0' && c <= '9') {
      digits.push_back(c - '0');
      continue;
    }
    int base = -1;
    switch (c) {
      case 'm': base = 0; break;
      case 'p': base = 9; break;
      case 's': base = 18; break;
      case 'z': base = 27; break;
      case ' ': continue;
      default: ADD_FAILURE() << "bad suit '" << c << "' in " << notation; return {};
    }
    for (int d : digits) {
      if (base == 27 && (d < 1 || d > 7)) { ADD_FAILURE() << "bad honour in " << notation; return {}; }
      if (d == 0 && base == 27) { ADD_FAILURE() << "no red honour in " << notation; return {}; }
      tiles.push_back(static_cast<TileCode>(d == 0 ? base + 5 + kRedFiveOffset : base + d));
    }
    digits.clear();
  }
  if (!digits.empty()) ADD_FAILURE() << "digits without a suit in " << notation;
  return tiles;
}

TileCode Tile(std::string_view notation) {
  const std::vector<TileCode> t = Tiles(notation);
  if (t.size() != 1) { ADD_FAILURE() << "not one tile: " << notation; return 0; }
  return t[0];
}

std::string Notation(const std::vector<TileCode>& tiles) {
  std::string out;
  for (TileCode t : tiles) {
    if (t == 0) { out += "_"; continue; }
    const TileCode k = TileKind(t);
    const char suit = "mpsz"[SuitOf(k)];
    const int n = IsHonor(k) ? k - 27 : SuitNumber(k);
    out += static_cast<char>('0' + (IsRedFive(t) ? 0 : n));
    out += suit;
  }
  return out;
}

TileCounts Counts(std::string_view notation) {
  TileCounts counts{};
  for (TileCode t : Tiles(notation)) ++counts[static_cast<std::size_t>(TileKind(t))];
  return counts;
}

void SetHand(TableState& state, int seat, std::string_view notation) {
  HandRow& row = state.handTiles[static_cast<std::size_t>(seat)];
  row.fill(0);
  const std::vector<TileCode> tiles = Tiles(notation);
  ASSERT_LE(tiles.size(), 14u) << notation;
  for (std::size_t i = 0; i < tiles.size(); ++i) row[i + 1] = tiles[i];
}

}  // namespace mj::test
