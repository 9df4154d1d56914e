#pragma once
// The rated choice: take the complete sets out of the concealed tiles, give
// every kind that remains a value for keeping it, and let the least useful go.
#include <array>

#include "cpu/dora_kinds.h"
#include "cpu/unseen_table.h"

namespace mj::cpu {

constexpr int kNotHeldScore = 9999;

struct Rating {
  TileCode kind = 0;
  int setCount = 0;  // the melds plus the sets found among the concealed tiles
  std::array<int, kKindCount + 1> keepScore{};
};

// Ties go to the lowest kind. A kind whose every copy went into a set is
// never chosen while the hand holds another kind.
Rating RateKinds(const TileCounts& concealedCounts, int melds, const DoraKinds& dora, const UnseenTable& unseen);

}  // namespace mj::cpu
