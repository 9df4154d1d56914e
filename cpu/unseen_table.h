#pragma once
// The unseen copies of every kind for one seat, counted in one pass over the
// table instead of once per kind.
#include <array>
#include <cstdint>

#include "engine/state/table_state.h"

namespace mj::cpu {

struct UnseenTable {
  std::array<std::int16_t, kKindCount + 1> unseen{};

  // May be below 0 (a called tile is seen in the meld and in the river);
  // read anything below 1 as none left.
  int operator()(TileCode kind) const { return unseen[static_cast<std::size_t>(TileKind(kind))]; }
};

// The same numbers as hand::UnseenCount (seat, kind, ownHandVisible) for
// every kind at once.
UnseenTable UnseenTableFor(const TableState& state, int seat, bool ownHandVisible);

}  // namespace mj::cpu
