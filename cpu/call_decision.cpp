#include "cpu/call_decision.h"

#include "cpu/dora_kinds.h"
#include "cpu/seat_placement.h"
#include "hand/tile_counts.h"
#include "hand/unseen_count.h"

namespace mj::cpu {
namespace {

constexpr std::size_t I(int i) { return static_cast<std::size_t>(i); }
constexpr int kAnswerChi = 1, kAnswerPon = 2, kAnswerKan = 3, kAnswerWin = 4, kAnswerPass = 9;

bool IsOneSuitPlan(int plan) { return plan >= kPlanCharacters && plan <= kPlanHonours; }

// The tiles a plan is glad to call: its suit and the honours, or anything for
// the pair hand.
bool PlanWelcomes(int plan, TileCode kind) {
  if (plan == kPlanPairHand) return true;
  if (!IsOneSuitPlan(plan)) return false;
  return IsHonor(kind) || (plan != kPlanHonours && SuitOf(kind) == plan - 1);
}

// Everything the tests read about the seat and the tile on offer.
struct CallView {
  CallView(const TableState& s, int seat) : state(s), seat(seat) {
    b = TileKind(TileOnOffer(s, seat));
    dora = DoraKindsNow(s);
    isDora = dora.Contains(b);
    held = hand::ConcealedCounts(s, seat);
    const HandRow& hand = s.handTiles[I(seat)];
    for (int p = 1; p <= kHandPositions; ++p) {
      for (int d = 0; d < dora.count; ++d) {
        if (hand[I(p)] == dora.kinds[I(d)]) {
          ++doraHeld;
          break;
        }
      }
    }
    const bool knownRound = s.handNumber >= 1 && s.handNumber <= 16;
    roundWindTile = static_cast<TileCode>(knownRound ? RoundWindTile(s.handNumber) : 0);
    ownWindTile = static_cast<TileCode>(27 + s.players[I(seat)].seatWind);
    placement = SeatPlacement(s, seat);
    leadingWith35000 = placement == 1 && s.players[I(seat)].score >= Money::FromPoints(35000);
  }

  bool IsValueTile() const { return IsDragon(b) || b == roundWindTile || b == ownWindTile; }
  bool IsDealer() const { return state.dealerSeat == seat; }
  bool HoldsAllDragonPairs() const { return held[I(kWhite)] >= 2 && held[I(kGreen)] >= 2 && held[I(kRed)] >= 2; }
  int Held(TileCode kind) const { return held[I(kind)]; }

  const TableState& state;
  int seat;
  TileCode b = 0;
  DoraKinds dora;
  bool isDora = false;
  TileCounts held{};  // positions 1-14 by kind
  int doraHeld = 0;   // positions whose exact code is a dora (a red five is not)
  TileCode roundWindTile = 0;
  TileCode ownWindTile = 0;
  int placement = 1;
  bool leadingWith35000 = false;
};

// The last hand of the game's usual length (and every hand of an extension):
// a leader closes it out with a cheap call on a value wind or a dragon.
bool ClosingHandCall(const CallView& v) {
  const int hand = v.state.handNumber;
  const int rule1 = v.state.rules[1];
  TileCode closingWind = 0;
  if (hand == 4 && (rule1 == 0 || rule1 == 2))
    closingWind = kEast;
  else if (hand == 8)
    closingWind = kSouth;
  else if (hand >= 9 && hand <= 12)
    closingWind = kWest;
  else if (hand >= 13 && hand <= 16)
    closingWind = kNorth;
  if (closingWind == 0 || v.placement != 1) return false;
  return v.b == v.ownWindTile || v.b == closingWind || IsDragon(v.b);
}

// A value tile worth a pon; may store the value-call plan.
bool ValuePon(const CallView& v, std::int16_t& plan) {
  if (!v.IsValueTile()) return false;
  if (v.isDora || v.IsDealer() || v.leadingWith35000) return true;
  if (plan == kPlanNone && v.doraHeld > 1) {
    plan = kPlanValueCall;
    return true;
  }
  return plan == kPlanNone && v.placement != 4 && hand::UnseenCount(v.state, v.seat, v.b, true) <= 0;
}

bool WantsPon(const CallView& v, std::int16_t& plan) {
  const bool called = v.state.hasCalled[I(v.seat)];
  return (!IsOneSuitPlan(plan) && called) || (IsOneSuitPlan(plan) && PlanWelcomes(plan, v.b)) ||
         (IsDragon(v.b) && v.HoldsAllDragonPairs()) || plan == kPlanPairHand || ClosingHandCall(v) || ValuePon(v, plan);
}

bool OtherSeatInRiichi(const TableState& s, int seat) {
  for (int other = 1; other <= kSeats; ++other) {
    if (other != seat && s.InRiichi(other)) return true;
  }
  return false;
}

bool WantsKan(const CallView& v, std::int16_t& plan) {
  const bool keepsTriplet = v.Held(v.b) == 3 && (v.b == v.ownWindTile || IsDragon(v.b) || v.b == v.roundWindTile);
  if (v.leadingWith35000 || keepsTriplet || OtherSeatInRiichi(v.state, v.seat)) return false;
  const bool called = v.state.hasCalled[I(v.seat)];
  if (v.seat == v.state.currentSeat || (!IsOneSuitPlan(plan) && called) || PlanWelcomes(plan, v.b) ||
      (IsDragon(v.b) && v.HoldsAllDragonPairs()) || (v.IsValueTile() && (v.isDora || v.IsDealer()))) {
    return true;
  }
  if (v.IsValueTile() && plan == kPlanNone && v.doraHeld > 1) {
    plan = kPlanValueCall;
    return true;
  }
  return false;
}

bool ChiFitsPlan(int plan, TileCode kind) {
  return IsOneSuitPlan(plan) && plan != kPlanHonours && SuitOf(kind) == plan - 1;
}

}  // namespace

TileCode TileOnOffer(const TableState& s, int seat) {
  if (s.robbingKan) return s.robbedKanTile;
  if (seat == s.currentSeat) return s.handTiles[I(seat)][kDrawnPosition];
  const auto discarder = I(s.currentSeat);
  const int last = s.riverCount[discarder];
  return last >= 1 && last <= kRiverCapacity ? s.riverTiles[discarder][I(last)] : kNoTile;
}

void PreferDoraChiOption(TableState& s, int seat) {
  const DoraKinds dora = DoraKindsNow(s);
  ChiOptionTable& tiles = s.chiOptionTiles[I(seat)];
  ChiOptionTable& forbidden = s.chiForbidden[I(seat)];
  const int options = s.chiOptionCount[I(seat)];
  for (int d = 0; d < dora.count && d < 2; ++d) {
    const TileCode kind = dora.kinds[I(d)];
    for (int option = 2; option <= 3 && option <= options; ++option) {
      const auto o = I(option);
      if (TileKind(tiles[o][1]) == kind || TileKind(tiles[o][2]) == kind) {
        tiles[1] = tiles[o];
        forbidden[1] = forbidden[o];
      }
    }
  }
}

int DecideCall(TableState& s, int seat) {
  const auto i = I(seat);
  const CallView v(s, seat);
  std::int16_t& plan = s.handPlan[i];
  int answer = kAnswerPass;
  if (s.mayChi[i] && plan != kPlanPairHand) {
    if (ChiFitsPlan(plan, v.b)) {
      answer = kAnswerChi;
      PreferDoraChiOption(s, seat);
    }
    if (v.Held(v.b) > 0) answer = kAnswerPass;
  }
  if (s.mayPon[i] && v.Held(v.b) == 2 && plan != kPlanDefence && WantsPon(v, plan)) answer = kAnswerPon;
  if (s.mayKan[i] && WantsKan(v, plan)) answer = kAnswerKan;
  if (plan == kPlanSevenPairs || plan == kPlanThirteenOrphans) answer = kAnswerPass;
  if (s.canRon[i] && s.rules[56] == 0) answer = kAnswerWin;
  return answer;
}

}  // namespace mj::cpu
