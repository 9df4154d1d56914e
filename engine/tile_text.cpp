#include "engine/tile_text.h"

namespace mj::engine {

std::string TileText(TileCode tile) {
  static constexpr const char* kHonours[] = {"東", "南", "西", "北", "白", "発", "中"};
  if (tile == kRedFiveMan) return "5M";
  if (tile == kRedFivePin) return "5P";
  if (tile == kRedFiveSou) return "5S";
  if (tile >= 1 && tile <= 27) {
    return std::string(1, static_cast<char>('0' + SuitNumber(tile))) + "mps"[SuitOf(tile)];
  }
  if (tile >= kEast && tile <= kRed) return kHonours[tile - kEast];
  return "";
}

}  // namespace mj::engine
