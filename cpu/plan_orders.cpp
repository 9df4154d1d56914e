#include "cpu/plan_orders.h"

#include <array>

namespace mj::cpu {
namespace {

struct KindRange {
  int low = 0;
  int high = -1;
};

// The first kind in the ranges that passes: ascending through the ranges in
// order, or descending through them in reverse order.
template <class Test>
TileCode ScanRanges(const KindRange* ranges, int count, bool highEndFirst, Test test) {
  for (int r = 0; r < count; ++r) {
    const KindRange& range = ranges[highEndFirst ? count - 1 - r : r];
    for (int n = 0; n <= range.high - range.low; ++n) {
      const auto kind = static_cast<TileCode>(highEndFirst ? range.high - n : range.low + n);
      if (test(kind)) return kind;
    }
  }
  return 0;
}

template <class Test>
TileCode ScanKinds(bool highEndFirst, Test test) {
  const KindRange all{1, kKindCount};
  return ScanRanges(&all, 1, highEndFirst, test);
}

}  // namespace

TileCode RandomDiscard(DiscardContext& c) {
  bool anyHeld = false;
  for (int k = 1; k <= kKindCount; ++k) anyHeld = anyHeld || c.Held(static_cast<TileCode>(k)) > 0;
  if (!anyHeld) {
    for (int p = 1; p <= kHandPositions; ++p) {
      if (c.TileAt(p) != 0) return TileKind(c.TileAt(p));
    }
    return 0;
  }
  for (;;) {
    const auto kind = static_cast<TileCode>(c.random.RandomBetween(1, kKindCount));
    if (c.Held(kind) >= 1 && c.random.RandomBetween(0, 1) == 1) return kind;
  }
}

TileCode SevenPairsDiscard(DiscardContext& c) {
  auto held = [&](TileCode k) { return c.Held(k); };
  TileCode kind = ScanKinds(false, [&](TileCode k) { return held(k) >= 3; });
  if (kind == 0) kind = ScanKinds(false, [&](TileCode k) { return held(k) == 1 && c.unseen(k) <= 0; });
  if (kind == 0) kind = ScanKinds(false, [&](TileCode k) { return held(k) == 1 && !c.dora.Contains(k); });
  if (kind == 0) kind = ScanKinds(false, [&](TileCode k) { return held(k) == 1; });
  return kind != 0 ? kind : RandomDiscard(c);
}

TileCode ThirteenOrphansDiscard(DiscardContext& c) {
  const bool highEndFirst = c.HighEndFirst();
  TileCode kind =
      ScanKinds(highEndFirst, [&](TileCode k) { return c.Held(k) >= 3 || (c.Held(k) >= 1 && !IsTerminalOrHonor(k)); });
  if (kind == 0) kind = ScanKinds(highEndFirst, [&](TileCode k) { return c.Held(k) >= 2; });
  return kind != 0 ? kind : RandomDiscard(c);
}

TileCode OneSuitDiscard(DiscardContext& c, int flushSuit) {
  // The kinds outside the plan. In last place the honours go as well: after
  // the other suits (either way) for characters and bamboo, while for circles
  // they are simply the top of the range.
  constexpr KindRange kHonours{kEast, kRed};
  std::array<KindRange, 3> ranges{};
  int count = 0;
  switch (flushSuit) {
    case 0: ranges[static_cast<std::size_t>(count++)] = {10, 27}; break;
    case 1:
      ranges[static_cast<std::size_t>(count++)] = {1, 9};
      ranges[static_cast<std::size_t>(count++)] = {19, 27};
      if (c.placement == 4) ranges[static_cast<std::size_t>(count++)] = kHonours;
      break;
    case 2: ranges[static_cast<std::size_t>(count++)] = {1, 18}; break;
    default: ranges[static_cast<std::size_t>(count++)] = {1, 27}; break;
  }
  const bool highEndFirst = c.HighEndFirst();
  auto held = [&](TileCode k) { return c.Held(k) >= 1; };
  TileCode kind = ScanRanges(ranges.data(), count, highEndFirst, held);
  if (kind == 0 && c.placement == 4 && (flushSuit == 0 || flushSuit == 2)) {
    kind = ScanRanges(&kHonours, 1, highEndFirst, held);
  }
  return kind;
}

TileCode PairHandDiscard(DiscardContext& c) {
  const bool highEndFirst = c.HighEndFirst();
  auto held = [&](TileCode k) { return c.Held(k); };
  TileCode kind = ScanKinds(highEndFirst, [&](TileCode k) { return held(k) == 1 && c.unseen(k) <= 0; });
  if (kind == 0) kind = ScanKinds(highEndFirst, [&](TileCode k) { return held(k) == 1 && !c.dora.Contains(k); });
  if (kind == 0) kind = ScanKinds(highEndFirst, [&](TileCode k) { return held(k) == 4 || held(k) == 1; });
  return kind != 0 ? kind : RandomDiscard(c);
}

}  // namespace mj::cpu
