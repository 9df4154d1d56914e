#pragma once
// Tile codes as they appear in the wall, hands, rivers, the record and LAN lines.
#include <array>
#include <cstdint>

namespace mj {

// 0 empty; 1-9 characters, 10-18 circles, 19-27 bamboo, 28-31 東南西北,
// 32-34 白発中; a red five is its five + 50 (55, 64, 73).
using TileCode = std::int16_t;

constexpr TileCode kNoTile = 0;
constexpr int kKindCount = 34;
constexpr TileCode kEast = 28, kSouth = 29, kWest = 30, kNorth = 31;
constexpr TileCode kWhite = 32, kGreen = 33, kRed = 34;
constexpr TileCode kRedFiveOffset = 50;
constexpr TileCode kRedFiveMan = 55, kRedFivePin = 64, kRedFiveSou = 73;

// A red five folds back to its ordinary kind.
constexpr TileCode TileKind(TileCode code) { return code > 34 ? static_cast<TileCode>(code - kRedFiveOffset) : code; }
constexpr bool IsRedFive(TileCode code) { return code > 34; }

constexpr bool IsValidTileCode(TileCode code) {
  return (code >= 1 && code <= 34) || code == kRedFiveMan || code == kRedFivePin || code == kRedFiveSou;
}
constexpr bool IsHonor(TileCode kind) { return kind >= kEast && kind <= kRed; }
constexpr bool IsSuited(TileCode kind) { return kind >= 1 && kind <= 27; }
// 1-9 within its suit, 0 for honours.
constexpr int SuitNumber(TileCode kind) { return IsSuited(kind) ? (kind - 1) % 9 + 1 : 0; }
// 0 characters, 1 circles, 2 bamboo, 3 honours.
constexpr int SuitOf(TileCode kind) { return IsSuited(kind) ? (kind - 1) / 9 : 3; }
constexpr bool IsTerminal(TileCode kind) { return IsSuited(kind) && (SuitNumber(kind) == 1 || SuitNumber(kind) == 9); }
constexpr bool IsTerminalOrHonor(TileCode kind) { return IsTerminal(kind) || IsHonor(kind); }
constexpr bool IsDragon(TileCode kind) { return kind >= kWhite && kind <= kRed; }
constexpr bool IsWind(TileCode kind) { return kind >= kEast && kind <= kNorth; }

// Counts by kind: index 1-34, [0] unused.
using TileCounts = std::array<std::int16_t, kKindCount + 1>;

}  // namespace mj
