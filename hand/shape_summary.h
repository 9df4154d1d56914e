#pragma once
// The fast path of the completeness and wait tests. One pass over the tiles
// counts them by kind and sums each group's table key and size, packed in
// two words, so a tile costs a byte increment and two adds. The special
// shapes are then read eight kinds at a time from the counts. Hands the
// tables cannot answer (a kind five times, a tile count that is not a hand)
// are left to the searches.
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

#include "engine/state/table_state.h"
#include "hand/hand_shape.h"
#include "hand/suit_table.h"

namespace mj::hand {

using KindMask = std::uint64_t;  // bit k for kind k
constexpr KindMask KindBit(int kind) { return KindMask{1} << kind; }

namespace summary_detail {

constexpr int kKeyBits = 21;    // one suit key, 5^9 < 2^21
constexpr int kSizeShift = 32;  // group sizes in bytes 4-7 of the second word
struct Weights {
  std::array<std::uint64_t, kKindCount + 1> suitKeys{};
  std::array<std::uint64_t, kKindCount + 1> honourKeyAndSizes{};
};
constexpr Weights MakeWeights() {
  Weights w;
  for (int k = 1; k <= kKindCount; ++k) {
    const int group = k <= 27 ? (k - 1) / 9 : 3;
    const int digit = k <= 27 ? (k - 1) % 9 : k - kEast;
    std::uint64_t power = 1;
    for (int i = 0; i < digit; ++i) power *= 5;
    const auto g = static_cast<std::uint64_t>(group);
    w.suitKeys[static_cast<std::size_t>(k)] = group < 3 ? power << (kKeyBits * g) : 0;
    w.honourKeyAndSizes[static_cast<std::size_t>(k)] =
        (group == 3 ? power : 0) + (std::uint64_t{1} << (kSizeShift + 8 * g));
  }
  return w;
}
inline constexpr Weights kWeights = MakeWeights();

}  // namespace summary_detail

struct ShapeSummary {
  // Concealed counts by kind; [0] collects empty positions and is never
  // read. Padded to whole words for the byte-wise tests.
  alignas(8) std::array<std::uint8_t, 40> counts{};
  std::uint64_t suitKeys = 0;           // characters, circles, bamboo: 21 bits each
  std::uint64_t honourKeyAndSizes = 0;  // honour key, then one size byte per group
  int meldCount = 0;
  bool hasCalled = false;

  // group 0-2 the suits, 3 the honours.
  int Key(int group) const {
    if (group == 3) return static_cast<int>(honourKeyAndSizes & 0x1FFFF);
    return static_cast<int>((suitKeys >> (summary_detail::kKeyBits * group)) & 0x1FFFFF);
  }
  int Size(int group) const {
    return static_cast<int>((honourKeyAndSizes >> (summary_detail::kSizeShift + 8 * group)) & 0xFF);
  }
};

// Positions 1..lastPosition and the melds.
ShapeSummary SummaryOf(const TableState& state, int seat, int lastPosition);
ShapeSummary SummaryOf(const HandShape& shape);

// Nothing when the hand is outside what the tables answer.
std::optional<bool> CompleteFromTables(const ShapeSummary& summary);
// Four sets and a pair only: the search passes that find a split (bits
// 0-1 triplets first, 2-3 sequences first).
std::optional<PassBits> StandardPassesFromTables(const ShapeSummary& summary);
std::optional<KindMask> WaitsFromTables(const ShapeSummary& summary);

}  // namespace mj::hand
