#include "cpu/choose_discard.h"

#include "cpu/cpu_discard.h"
#include "cpu/dangerous_tile.h"
#include "cpu/defence.h"
#include "cpu/discard_context.h"
#include "cpu/keep_score.h"
#include "cpu/plan_orders.h"
#include "cpu/pre_pass.h"

namespace mj::cpu {
namespace {

constexpr std::size_t I(int i) { return static_cast<std::size_t>(i); }

enum class Plan { None, SevenPairs, ThirteenOrphans, OneSuit };

struct PlanChoice {
  Plan plan = Plan::None;
  int flushSuit = 0;
};

struct Choice {
  TileCode kind = 0;
  int setCount = 0;  // 0 unless the rating chose the kind
};

int TilesOf(const TileCounts& counts, int first, int last) {
  int total = 0;
  for (int k = first; k <= last; ++k) total += counts[I(k)];
  return total;
}

// Reads the plan from the counts; may store the pair-hand plan.
PlanChoice ChoosePlan(DiscardContext& c) {
  PlanChoice choice;
  const bool called = c.state.hasCalled[I(c.seat)];
  std::int16_t& handPlan = c.handPlan();
  if (!called) {
    if (c.pairKinds >= 5 || c.edgePairKinds >= 4) choice.plan = Plan::SevenPairs;
    int orphanKinds = 0;
    for (int k = 1; k <= kKindCount; ++k)
      orphanKinds += IsTerminalOrHonor(static_cast<TileCode>(k)) && c.Held(static_cast<TileCode>(k)) >= 1;
    if (orphanKinds >= 10) choice.plan = Plan::ThirteenOrphans;
  }
  if (c.state.rules[53] != 1) return choice;
  if (handPlan != kPlanThirteenOrphans) {
    const TileCounts& t = c.tileCounts;
    const int limit = c.state.wallRemaining > 30 ? 10 : 9;
    const int honours = TilesOf(t, kEast, kRed);
    for (int suit = 0; suit < 3; ++suit) {
      if (TilesOf(t, 9 * suit + 1, 9 * suit + 9) + honours > limit && c.edgePairKinds > 1)
        choice = {Plan::OneSuit, suit};
    }
    if (honours > 8) choice = {Plan::OneSuit, 3};
    if (called && handPlan >= kPlanCharacters && handPlan <= kPlanHonours) choice = {Plan::OneSuit, handPlan - 1};
  }
  if (c.edgePairKinds >= 3) {
    int triplets = 0;
    for (int k = 1; k <= kKindCount; ++k) triplets += c.Held(static_cast<TileCode>(k)) == 3;
    if (triplets == 1 && choice.plan != Plan::OneSuit) {
      choice.plan = Plan::None;
      handPlan = kPlanPairHand;
    }
  }
  return choice;
}

Choice Rated(DiscardContext& c) {
  const Rating r = RateKinds(c.concealedCounts, c.melds, c.dora, c.unseen);
  return {r.kind, r.setCount};
}

Choice Decide(DiscardContext& c, int preferredPosition) {
  std::int16_t& handPlan = c.handPlan();
  if (handPlan == kPlanPairHand && preferredPosition > 0) return {PairHandDiscard(c)};
  if (handPlan == kPlanDefence) return {DefenceDiscard(c)};
  const PlanChoice choice = ChoosePlan(c);
  switch (choice.plan) {
    case Plan::SevenPairs: handPlan = kPlanSevenPairs; return {SevenPairsDiscard(c)};
    case Plan::ThirteenOrphans: handPlan = kPlanThirteenOrphans; return {ThirteenOrphansDiscard(c)};
    case Plan::OneSuit: {
      handPlan = static_cast<std::int16_t>(choice.flushSuit + 1);
      const TileCode kind = OneSuitDiscard(c, choice.flushSuit);
      if (kind != 0) return {kind};
      if (preferredPosition > 0) return {TileKind(c.TileAt(preferredPosition))};
      return Rated(c);
    }
    case Plan::None: break;
  }
  if (handPlan == kPlanPairHand) return {PairHandDiscard(c)};
  if (ShouldDefend(c.state, c.seat)) return {DefenceDiscard(c)};
  const TileCode useless = UselessTileDiscard(c);
  if (useless != 0) return {useless};
  return Rated(c);
}

// A risky tile from a hand still far from ready goes for a safe one instead.
bool TooRisky(const DiscardContext& c, const Choice& choice) {
  switch (c.placement) {
    case 1: return choice.setCount < 3;
    case 2: return c.IsDealer() ? choice.setCount < 2 : choice.setCount < 3;
    default: return choice.setCount < 3 && !c.IsDealer();
  }
}

// The rating with every copy of the forbidden kinds set aside.
TileCode AllowedAfterCall(const DiscardContext& c) {
  TileCounts counts = c.concealedCounts;
  for (std::size_t i = 1; i <= 2; ++i) counts[I(TileKind(c.state.kuikaeBan[i]))] = 0;
  return RateKinds(counts, c.melds, c.dora, c.unseen).kind;
}

}  // namespace

int PositionOfKind(const TableState& s, int seat, TileCode kind) {
  const HandRow& hand = s.handTiles[I(seat)];
  kind = TileKind(kind);
  if ((kind == 5 || kind == 14 || kind == 23) && s.rules[38] != 0) {
    for (int p = 1; p <= kHandPositions; ++p) {
      if (hand[I(p)] == kind) return p;
    }
  }
  for (int p = 1; p <= kHandPositions; ++p) {
    if (hand[I(p)] != 0 && TileKind(hand[I(p)]) == kind) return p;
  }
  return LastTilePosition(s, seat);  // never for a kind the hand holds
}

int ChooseDiscard(TableState& state, int seat, int preferredPosition, RandomSource& random) {
  DiscardContext c(state, seat, random);
  Choice choice = Decide(c, preferredPosition);
  if (c.handPlan() == kPlanNone && IsDangerousTile(state, seat, choice.kind, c.dora) && TooRisky(c, choice)) {
    choice = {DefenceDiscard(c)};
  }
  if (IsForbiddenAfterCall(state, choice.kind)) choice.kind = AllowedAfterCall(c);
  return PositionOfKind(state, seat, choice.kind);
}

}  // namespace mj::cpu
