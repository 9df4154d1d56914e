#include "cpu/cpu_discard.h"

#include "cpu/choose_discard.h"
#include "cpu/decide_riichi.h"
#include "cpu/open_riichi_waits.h"
#include "engine/state/riichi_conditions.h"

namespace mj::cpu {
namespace {

constexpr std::size_t I(int i) { return static_cast<std::size_t>(i); }
constexpr int kOpenRiichiAbove = 89;  // RandomBetween (0, 99) above this: one riichi in ten is open

}  // namespace

int LastTilePosition(const TableState& s, int seat) {
  const HandRow& hand = s.handTiles[I(seat)];
  for (int p = kHandPositions; p >= 1; --p) {
    if (hand[I(p)] != 0) return p;
  }
  return kDrawnPosition;
}

CpuDiscard DecideCpuDiscard(TableState& s, int seat, RandomSource& random) {
  CpuDiscard d;
  if (s.rules[56] == 1 || s.InRiichi(seat)) {
    d.position = LastTilePosition(s, seat);
    return d;
  }
  const int opinion = DecideRiichi(s, seat, random);
  if (opinion == 0) {
    d.position = ChooseDiscard(s, seat, 0, random);
  } else if (opinion < 0) {
    d.position = -opinion;
  } else {
    d.position = opinion;
    const std::int16_t plan = s.handPlan[I(seat)];
    if (RiichiAllowed(s, seat)) {
      d.riichi = true;
      d.openRiichi = OpenRiichiAvailable(s, seat) && random.RandomBetween(0, 99) > kOpenRiichiAbove;
    } else if ((s.hasCalled[I(seat)] || s.wallRemaining < 4) && plan >= 1 && plan <= 9) {
      d.position = ChooseDiscard(s, seat, opinion, random);
    }
  }
  if (OtherSeatInOpenRiichi(s, seat)) d.position = AvoidOpenRiichiWaits(s, seat, d.position, random);
  return d;
}

}  // namespace mj::cpu
