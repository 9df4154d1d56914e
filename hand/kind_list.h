#pragma once
// A short list of tile kinds, ascending, held in place: wait scans run in the
// CPU's inner loops and must not allocate.
#include <array>
#include <cstddef>

#include "engine/state/tile_types.h"

namespace mj::hand {

struct KindList {
  std::array<TileCode, kKindCount> kinds{};
  int size = 0;

  void Add(TileCode kind) { kinds[static_cast<std::size_t>(size++)] = kind; }
  bool Contains(TileCode kind) const {
    for (int i = 0; i < size; ++i) {
      if (kinds[static_cast<std::size_t>(i)] == kind) return true;
    }
    return false;
  }
  bool empty() const { return size == 0; }
  const TileCode* begin() const { return kinds.data(); }
  const TileCode* end() const { return kinds.data() + size; }
  TileCode operator[](int i) const { return kinds[static_cast<std::size_t>(i)]; }

  friend bool operator==(const KindList& a, const KindList& b) {
    if (a.size != b.size) return false;
    for (int i = 0; i < a.size; ++i) {
      if (a[i] != b[i]) return false;
    }
    return true;
  }
};

}  // namespace mj::hand
