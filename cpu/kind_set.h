#pragma once
// A set of tile kinds 1-34 as bits, for tests that run in the CPU's inner loops.
#include <cstdint>

#include "engine/state/tile_types.h"

namespace mj::cpu {

struct KindSet {
  std::uint64_t bits = 0;

  void Add(TileCode kind) { bits |= std::uint64_t{1} << TileKind(kind); }
  bool Contains(TileCode kind) const { return kind != 0 && ((bits >> TileKind(kind)) & 1U) != 0; }
  bool empty() const { return bits == 0; }
};

// The 1, 2, 8 and 9 of each suit and the honours.
constexpr bool IsEdgeKind(TileCode kind) {
  const int n = SuitNumber(kind);
  return IsHonor(kind) || n == 1 || n == 2 || n == 8 || n == 9;
}

}  // namespace mj::cpu
