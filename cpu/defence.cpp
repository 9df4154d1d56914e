#include "cpu/defence.h"

#include "cpu/dangerous_tile.h"
#include "cpu/keep_score.h"
#include "cpu/seat_placement.h"
#include "hand/unseen_count.h"

namespace mj::cpu {
namespace {

constexpr std::size_t I(int i) { return static_cast<std::size_t>(i); }

// The first non-empty position, scanning 14 → 1 or 1 → 14, whose tile passes.
template <class Test>
TileCode FirstPosition(const HandRow& hand, bool highEndFirst, Test test) {
  for (int n = 0; n < kHandPositions; ++n) {
    const TileCode tile = hand[I(highEndFirst ? kHandPositions - n : n + 1)];
    if (tile != 0 && test(tile)) return TileKind(tile);
  }
  return 0;
}

TileCode FirstPositionUp(const HandRow& hand, auto test) { return FirstPosition(hand, false, test); }

// Read from the wall: the neighbours a 1, 2, 8 or 9 could wait with are gone.
bool NeighboursGone(TileCode kind, const UnseenTable& unseen) {
  if (!IsSuited(kind)) return false;
  const int n = SuitNumber(kind);
  auto gone = [&](int number) { return unseen(static_cast<TileCode>(kind - n + number)) <= 1; };
  switch (n) {
    case 1: return gone(2) || gone(3);
    case 2: return gone(3);
    case 8: return gone(7);
    case 9: return gone(8) || gone(7);
    default: return false;
  }
}

int DefendFromHand(int rule1) {
  switch (rule1) {
    case 0:
    case 2: return 4;
    case 1:
    case 3: return 7;
    default: return 15;
  }
}

}  // namespace

bool ShouldDefend(const TableState& s, int seat) {
  bool otherInRiichi = false;
  for (int other = 1; other <= kSeats; ++other) otherInRiichi = otherInRiichi || (other != seat && s.InRiichi(other));
  if (!otherInRiichi) return false;
  const Money score = s.players[I(seat)].score;
  if (score >= Money::FromPoints(40000)) return true;
  if (SeatPlacement(s, seat) <= 2 && s.handNumber >= DefendFromHand(s.rules[1])) return true;
  return score <= Money::FromPoints(10000) && s.rules[9] == 1;
}

TileCode ChooseSafeDiscard(const TableState& s, int seat, RandomSource& random) {
  return ChooseSafeDiscard(s, seat, random, DoraKindsNow(s), UnseenTableFor(s, seat, false));
}

TileCode ChooseSafeDiscard(const TableState& s, int seat, RandomSource& random, const DoraKinds& dora,
                           const UnseenTable& unseen) {
  const HandRow& hand = s.handTiles[I(seat)];
  for (std::size_t i = 1; i < s.riichiSafeTiles.size() && s.riichiSafeTiles[i] != 0; ++i) {
    const TileCode safe = TileKind(s.riichiSafeTiles[i]);
    const TileCode found = FirstPosition(hand, true, [&](TileCode t) { return TileKind(t) == safe; });
    if (found != 0) return found;
  }
  const bool highEndFirst = random.RandomBetween(0, 1) == 1;
  TileCode kind = FirstPosition(hand, highEndFirst, [&](TileCode t) {
    return IsHonor(TileKind(t)) && !dora.Contains(t) && !IsDangerousTile(s, seat, t, dora);
  });
  if (kind != 0) return kind;
  kind = FirstPositionUp(hand, [&](TileCode t) { return NeighboursGone(TileKind(t), unseen); });
  if (kind != 0) return kind;
  for (std::size_t i = 1; i < s.riichiSafeTiles.size() && s.riichiSafeTiles[i] != 0; ++i) {
    const TileCode safe = TileKind(s.riichiSafeTiles[i]);
    const int n = SuitNumber(safe);
    if (n < 4 || n > 6) continue;
    kind = FirstPositionUp(hand, [&](TileCode t) { return TileKind(t) == safe - 3 || TileKind(t) == safe + 3; });
    if (kind != 0) return kind;
  }
  return 0;
}

TileCode DefenceDiscard(DiscardContext& c) {
  c.handPlan() = kPlanDefence;
  const TableState& s = c.state;
  const HandRow& hand = c.hand();
  auto plain = [&](TileCode t) { return !c.dora.Contains(t) && !IsDangerousTile(s, c.seat, t, c.dora); };
  TileCode kind = ChooseSafeDiscard(s, c.seat, c.random, c.dora, c.unseen);
  if (kind != 0) return kind;
  kind = FirstPosition(hand, c.HighEndFirst(), [&](TileCode t) { return IsTerminal(t) && plain(t); });
  if (kind != 0) return kind;
  kind = FirstPosition(hand, c.HighEndFirst(),
                       [&](TileCode t) { return hand::UnseenCount(s, c.seat, t, true) <= 2 && plain(t); });
  if (kind != 0) return kind;
  kind = FirstPosition(hand, c.HighEndFirst(), [&](TileCode t) { return !IsDangerousTile(s, c.seat, t, c.dora); });
  if (kind != 0) return kind;
  return RateKinds(c.concealedCounts, c.melds, c.dora, c.unseen).kind;
}

}  // namespace mj::cpu
