#include "cpu/decide_riichi.h"

#include <array>

#include "cpu/discard_context.h"
#include "cpu/kind_set.h"
#include "cpu/seat_placement.h"
#include "cpu/unseen_table.h"
#include "hand/hand_shape.h"

namespace mj::cpu {
namespace {

constexpr std::size_t I(int i) { return static_cast<std::size_t>(i); }

struct WaitRating {
  bool known = false;
  bool ready = false;
  int score = 0;  // 10 per unseen copy of each wait (20 for an honour), -30 per wait in the own river
};

// B < RandomBetween (…) keeps the riichi silent: the later the hand, the
// better the waits must be to declare.
bool StaysSilent(int wallRemaining, int b, RandomSource& random) {
  if (wallRemaining >= 20 && wallRemaining <= 29) return b < random.RandomBetween(1, 4);
  if (wallRemaining >= 10 && wallRemaining <= 19) return b < random.RandomBetween(2, 5);
  if (wallRemaining >= 4 && wallRemaining <= 9) return b < random.RandomBetween(4, 7);
  return wallRemaining < 4;
}

// A single tile with no neighbour within two can only be completed into a
// pair, so a ready hand of sets holds at most one; taking one tile out of
// fourteen removes at most one. Seven pairs wants six pairs among the
// fourteen tiles, thirteen orphans twelve of its kinds.
bool NoDiscardCanBeReady(const TileCounts& c) {
  int isolated = 0;
  int pairs = 0;
  int orphanKinds = 0;
  for (int k = 1; k <= kKindCount; ++k) {
    const int held = c[I(k)];
    pairs += held >= 2;
    orphanKinds += held >= 1 && IsTerminalOrHonor(static_cast<TileCode>(k));
    if (held != 1) continue;
    bool alone = true;
    if (IsSuited(static_cast<TileCode>(k))) {
      const int n = SuitNumber(static_cast<TileCode>(k));
      for (int d = -2; d <= 2 && alone; ++d) alone = d == 0 || n + d < 1 || n + d > 9 || c[I(k + d)] == 0;
    }
    isolated += alone;
  }
  return isolated >= 3 && pairs < 6 && orphanKinds < 12;
}

}  // namespace

int DecideRiichi(const TableState& s, int seat, RandomSource& random) {
  const HandRow& hand = s.handTiles[I(seat)];
  hand::HandShape shape = hand::HandShapeOf(s, seat);
  if (NoDiscardCanBeReady(shape.concealed)) return 0;
  const UnseenTable unseen = UnseenTableFor(s, seat, false);
  KindSet ownRiver;
  for (int r = 1; r <= s.riverCount[I(seat)] && r <= kRiverCapacity; ++r) ownRiver.Add(s.riverTiles[I(seat)][I(r)]);

  std::array<WaitRating, kKindCount + 1> byKind{};
  int best = 0;
  int bestScore = 0;
  bool bestReady = false;
  bool anyReady = false;
  for (int p = 1; p <= kHandPositions; ++p) {
    const TileCode tile = hand[I(p)];
    // An empty position, or a tile the call just made may not be thrown, is no candidate.
    if (tile == 0 || IsForbiddenAfterCall(s, tile)) continue;
    const TileCode kind = TileKind(tile);
    WaitRating& rating = byKind[I(kind)];
    if (!rating.known) {
      shape.RemoveTile(kind);
      for (TileCode w : hand::WaitingKindsOf(shape)) {
        rating.ready = true;
        rating.score += (IsHonor(w) ? 20 : 10) * unseen(w);
        if (ownRiver.Contains(w)) rating.score -= 30;
      }
      shape.AddTile(kind);
      rating.known = true;
    }
    int score = rating.score;
    // A red five is worth keeping, so it never gets the bonus that breaks ties.
    if (score != 0 && !IsRedFive(tile)) score += random.RandomBetween(1, 9);
    anyReady = anyReady || rating.ready;
    if (best == 0 || score > bestScore) {
      best = p;
      bestScore = score;
      bestReady = rating.ready;
    }
  }
  if (!anyReady || !bestReady) return 0;
  const int b = bestScore / 10;
  if (!s.hasCalled[I(seat)] && SeatPlacement(s, seat) != 4 && StaysSilent(s.wallRemaining, b, random)) return -best;
  return b != 0 ? best : 0;
}

}  // namespace mj::cpu
