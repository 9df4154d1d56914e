#pragma once
// Test-only hand notation: "123m456p789s1122z" with 0m/0p/0s for red fives and
// 1z-7z for 東南西北白発中. Turns into table codes and back.
#include <string>
#include <string_view>
#include <vector>

#include "engine/state/table_state.h"

namespace mj::test {

// Aborts the test (ADD_FAILURE and an empty result) on bad notation.
std::vector<TileCode> Tiles(std::string_view notation);
TileCode Tile(std::string_view notation);
std::string Notation(const std::vector<TileCode>& tiles);
// Counts by kind (red fives folded).
TileCounts Counts(std::string_view notation);

// Fills seat's hand positions 1.. with the tiles (at most 14; the 14th goes to
// the drawn position) and clears the rest.
void SetHand(TableState& state, int seat, std::string_view notation);

}  // namespace mj::test
