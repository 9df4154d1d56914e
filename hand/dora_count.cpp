#include "hand/dora_count.h"

#include <cstddef>

#include "hand/yaku_checks.h"

namespace mj::hand {
namespace {

constexpr std::size_t Index(int i) { return static_cast<std::size_t>(i); }

bool HasKanOf(const TableState& state, std::size_t s, TileCode kind) {
  return SlotsHoldKind(state.openKanKinds[s], kind) || SlotsHoldKind(state.closedKanKinds[s], kind);
}

int DoraTiles(const TableState& state, std::size_t s, const TileCounts& counts, TileCode indicator) {
  const TileCode kind = DoraKindOf(indicator, state.rules);
  const int held = counts[Index(kind)];
  if (held == 0) return 0;
  return HasKanOf(state, s, kind) ? 4 : held;
}

// The indicators flipped so far: slots up to the first empty one.
int CountIndicators(const DoraRow& row) {
  int flipped = 0;
  while (flipped < kDoraSlots && row[Index(flipped + 1)] != kNoTile) ++flipped;
  return flipped;
}

int SumOver(const TableState& state, std::size_t s, const TileCounts& counts, const DoraRow& row, int flipped,
            TileCode pending) {
  int total = 0;
  for (int k = 1; k <= flipped; ++k) total += DoraTiles(state, s, counts, row[Index(k)]);
  if (pending != kNoTile) total += DoraTiles(state, s, counts, pending);
  return total;
}

}  // namespace

TileCode DoraKindOf(TileCode indicator, const RuleSet& rules) {
  const TileCode kind = TileKind(indicator);
  if (rules[4] == 1) return kind;
  if (IsSuited(kind)) return SuitNumber(kind) == 9 ? static_cast<TileCode>(kind - 8) : static_cast<TileCode>(kind + 1);
  if (kind == kNorth) return kEast;
  if (kind == kRed) return kWhite;
  return static_cast<TileCode>(kind + 1);
}

DoraCounts CountDora(const TableState& state, int seat, const TileCounts& counts) {
  const std::size_t s = Index(seat);
  const int doraFlipped = CountIndicators(state.doraIndicators);
  const int uraFlipped = CountIndicators(state.uraIndicators);
  // A kan dora waiting for the kan player's discard counts for this win, read
  // from its dead-wall position, unless this win robs that very kan.
  TileCode pendingDora = kNoTile;
  TileCode pendingUra = kNoTile;
  const bool pending = state.pendingKanDora != 0 && !state.robbingKan && state.rules[4] != 0 && state.rules[19] != 0;
  if (pending && doraFlipped < kDoraSlots) {
    const int position = WallOffset(state.breakPos, -(2 * (doraFlipped + 1) + 4));
    pendingDora = state.wallTiles[Index(position)];
    if (state.rules[18] == 1) pendingUra = state.wallTiles[Index(WallOffset(position, 1))];
  }
  DoraCounts result;
  result.dora = SumOver(state, s, counts, state.doraIndicators, doraFlipped, pendingDora);
  if (state.riichiTurn[s] != 0) result.ura = SumOver(state, s, counts, state.uraIndicators, uraFlipped, pendingUra);
  return result;
}

int CountRedFives(const TableState& state, int seat) {
  const std::size_t s = Index(seat);
  int red = 0;
  for (int p = 1; p <= kHandPositions; ++p) red += IsRedFive(state.handTiles[s][Index(p)]) ? 1 : 0;
  for (int p = kFirstMeldPosition; p <= kLastMeldPosition; ++p) red += IsRedFive(state.meldTiles[s][Index(p)]) ? 1 : 0;
  return red;
}

}  // namespace mj::hand
