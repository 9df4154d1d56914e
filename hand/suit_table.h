#pragma once
// Per-group answers of the decomposition searches, so that completeness and
// wait tests need a few lookups instead of a search.
//
// A suit's nine counts are a key in base 5. Its entry holds, for each of the
// four search passes (triplets first ascending and descending, sequences
// first ascending and descending), whether the pass uses up the suit's tiles
// as sets alone (low nibble) or as sets and the hand's pair (high nibble).
// The passes treat the suits independently, so a hand is complete exactly
// when one pass bit survives the AND over its suits and honours, with the
// pair in exactly one group. Honours (seven counts, base 5) read the same in
// every pass: triplets only, one pair at most.
#include <array>
#include <cstddef>
#include <cstdint>

namespace mj::hand {

using PassBits = std::uint8_t;
constexpr PassBits kAllPasses = 0x0F;

constexpr std::array<int, 10> kPow5{1, 5, 25, 125, 625, 3125, 15625, 78125, 390625, 1953125};

// The tables, built on first use: suits[key] for a suit whose counts are
// all at most 4, honours[key] likewise for the seven honours.
struct GroupTables {
  const PassBits* suits;
  const PassBits* honours;
};
const GroupTables& TheGroupTables();

// A suit whose counts are all at most 4.
inline PassBits SuitPasses(int key5) { return TheGroupTables().suits[key5]; }
// A suit with a kind held five times (a wait test on a kind the hand holds
// four times).
PassBits SuitPassesOfCounts(const std::int8_t* counts9);

// Honours whose counts are all at most 4.
inline PassBits HonourPasses(int key5) { return TheGroupTables().honours[key5]; }
PassBits HonourPassesOfCounts(const std::int8_t* counts7);

// The pass bits that apply to a group of this many tiles: sets alone for a
// multiple of three, sets and the pair for two more, none otherwise.
inline PassBits PassesForSize(PassBits bits, int size) {
  const int rest = size % 3;
  return rest == 0 ? static_cast<PassBits>(bits & kAllPasses) : rest == 2 ? static_cast<PassBits>(bits >> 4) : 0;
}

// The same without a division, for sizes 0-14 (a hand's group).
struct SizeRule {
  std::uint8_t shift;
  std::uint8_t mask;
  std::uint8_t holdsPair;
};
constexpr std::array<SizeRule, 15> kSizeRules = [] {
  std::array<SizeRule, 15> rules{};
  for (int size = 0; size < 15; ++size) {
    const int rest = size % 3;
    rules[static_cast<std::size_t>(size)] = {static_cast<std::uint8_t>(rest == 2 ? 4 : 0),
                                             static_cast<std::uint8_t>(rest == 1 ? 0 : kAllPasses),
                                             static_cast<std::uint8_t>(rest == 2)};
  }
  return rules;
}();

// Builds the tables now rather than on first use.
void PrepareSuitTables();

}  // namespace mj::hand
