#pragma once
#include <string>

#include "engine/state/tile_types.h"

namespace mj::engine {

// The record's tile notation: 1m…9m, 1p…9p, 1s…9s, 東南西北白発中, red fives
// 5M 5P 5S, and the empty text for no tile.
std::string TileText(TileCode tile);

}  // namespace mj::engine
