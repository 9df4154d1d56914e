#include "hand/hand_shape.h"

#include <cstddef>

#include "hand/decomposition_search.h"
#include "hand/shape_summary.h"
#include "hand/tile_counts.h"

namespace mj::hand {
namespace {

constexpr std::size_t Index(int i) { return static_cast<std::size_t>(i); }
constexpr std::array<TileCode, 13> kTerminalsAndHonours{1, 9, 10, 18, 19, 27, 28, 29, 30, 31, 32, 33, 34};

HandShape ShapeOf(const TableState& state, int seat, int last) {
  HandShape shape;
  shape.concealed = ConcealedCounts(state, seat, 1, last);
  shape.counts = shape.concealed;
  AddMeldCounts(state, seat, shape.counts);
  shape.meldCount = MeldCount(state, seat);
  shape.hasCalled = state.hasCalled[Index(seat)];
  return shape;
}

// The test exactly as the searches answer it, for hands outside the tables.
bool SearchComplete(const HandShape& shape) {
  return IsKokushiShape(shape.counts) || IsSevenPairsShape(shape.counts, shape.hasCalled) ||
         HasDecomposition(shape.concealed, shape.meldCount);
}

KindMask SearchWaits(HandShape shape) {
  KindMask mask = 0;
  for (int k = 1; k <= kKindCount; ++k) {
    const auto kind = static_cast<TileCode>(k);
    shape.AddTile(kind);
    if (SearchComplete(shape)) mask |= KindBit(k);
    shape.RemoveTile(kind);
  }
  return mask;
}

KindList KindsOf(KindMask mask) {
  KindList list;
  for (int k = 1; k <= kKindCount; ++k) {
    if ((mask & KindBit(k)) != 0) list.Add(static_cast<TileCode>(k));
  }
  return list;
}

}  // namespace

bool IsKokushiShape(const TileCounts& counts) {
  bool pair = false;
  for (TileCode k : kTerminalsAndHonours) {
    if (counts[Index(k)] == 0) return false;
    pair = pair || counts[Index(k)] == 2;
  }
  return pair;
}

bool IsSevenPairsShape(const TileCounts& counts, bool hasCalled) {
  if (hasCalled) return false;
  int pairs = 0;
  for (int k = 1; k <= kKindCount; ++k) pairs += counts[Index(k)] == 2;
  return pairs == 7;
}

HandShape HandShapeOf(const TableState& state, int seat) { return ShapeOf(state, seat, kHandPositions); }
HandShape WaitShapeOf(const TableState& state, int seat) { return ShapeOf(state, seat, kHandPositions - 1); }

bool IsCompleteShape(const HandShape& shape) {
  if (const std::optional<bool> fast = CompleteFromTables(SummaryOf(shape))) return *fast;
  return SearchComplete(shape);
}

KindList WaitingKindsOf(const HandShape& shape) {
  if (const std::optional<KindMask> fast = WaitsFromTables(SummaryOf(shape))) return KindsOf(*fast);
  return KindsOf(SearchWaits(shape));
}

bool IsCompleteAt(const TableState& state, int seat) {
  if (const std::optional<bool> fast = CompleteFromTables(SummaryOf(state, seat, kHandPositions))) return *fast;
  return SearchComplete(HandShapeOf(state, seat));
}

KindList WaitingKindsAt(const TableState& state, int seat) {
  if (const std::optional<KindMask> fast = WaitsFromTables(SummaryOf(state, seat, kHandPositions - 1))) {
    return KindsOf(*fast);
  }
  return KindsOf(SearchWaits(WaitShapeOf(state, seat)));
}

}  // namespace mj::hand
