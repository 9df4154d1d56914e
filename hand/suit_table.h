#pragma once
// Per-suit answers of the decomposition searches, so that completeness and
// wait tests need a few lookups instead of a search.
//
// A suit's nine counts are a key in base 5. Its entry holds, for each of the
// four search passes (triplets first ascending and descending, sequences
// first ascending and descending), whether the pass uses up the suit's tiles
// as sets alone (low nibble) or as sets and the hand's pair (high nibble).
// The passes treat the suits independently, so a hand is complete exactly
// when one pass bit survives the AND over its suits and honours.
#include <array>
#include <cstdint>

#include "engine/state/tile_types.h"

namespace mj::hand {

using PassBits = std::uint8_t;
constexpr PassBits kAllPasses = 0x0F;

constexpr std::array<int, 10> kPow5{1, 5, 25, 125, 625, 3125, 15625, 78125, 390625, 1953125};

// Sets alone (low nibble) and sets with the pair (high nibble) for a suit
// whose counts are all at most 4.
PassBits SuitPasses(int key5);

// The same for a suit with a kind held five times (a wait test on a kind the
// hand holds four times); counts given directly.
PassBits SuitPassesWithFive(const std::int16_t* counts9);

// Builds the tables now rather than on first use.
void PrepareSuitTables();

}  // namespace mj::hand
