#include "engine/wall.h"

#include "rules/rule_values.h"

namespace mj::engine {
namespace {

constexpr std::array<int, 4> kReplacementOffsets = {2, 1, 4, 3};  // below breakPos, by slot 1-4

int CountedSeat(int fromSeat, int count) { return (fromSeat - 1 + count - 1) % 4 + 1; }

int FilledSlots(const KindSlots& slots) {
  int n = 0;
  for (int i = 1; i <= 4; ++i) n += slots[static_cast<std::size_t>(i)] != 0;
  return n;
}

}  // namespace

Wall BuildWall(RandomSource& random, int redFivesPerSuit) {
  std::array<TileCode, kWallSize + 1> drawn{};
  std::array<int, kKindCount + 1> placed{};
  // Per suit, up to four indices of `drawn` where a five lies; 0 = free slot.
  std::array<std::array<int, 5>, 3> fives{};
  for (int i = 1; i <= kWallSize; ++i) {
    int k = 0;
    do {
      k = random.RandomBetween(1, kKindCount);
    } while (placed[static_cast<std::size_t>(k)] == 4);
    drawn[static_cast<std::size_t>(i)] = static_cast<TileCode>(k);
    if (redFivesPerSuit != 0 && (k == 5 || k == 14 || k == 23)) {
      auto& slots = fives[static_cast<std::size_t>((k - 5) / 9)];
      for (int s = 1; s <= 4; ++s) {
        if (slots[static_cast<std::size_t>(s)] == 0) {
          slots[static_cast<std::size_t>(s)] = i;
          break;
        }
      }
    }
    ++placed[static_cast<std::size_t>(k)];
  }
  for (int repeat = 0; repeat < redFivesPerSuit && repeat < 4; ++repeat) {
    for (auto& slots : fives) {
      int s = 0;
      do {
        s = random.RandomBetween(1, 4);
      } while (slots[static_cast<std::size_t>(s)] == 0);
      TileCode& five = drawn[static_cast<std::size_t>(slots[static_cast<std::size_t>(s)])];
      five = static_cast<TileCode>(five + kRedFiveOffset);
      slots[static_cast<std::size_t>(s)] = 0;
    }
  }
  Wall wall{};
  std::array<bool, kWallSize + 1> taken{};
  for (int k = 1; k <= kWallSize; ++k) {
    int p = random.RandomBetween(1, kWallSize);
    while (taken[static_cast<std::size_t>(p)]) p = WallNext(p);
    taken[static_cast<std::size_t>(p)] = true;
    wall[static_cast<std::size_t>(k)] = drawn[static_cast<std::size_t>(p)];
  }
  return wall;
}

void ThrowDice(TableState& state, RandomSource& random) {
  state.dice1 = static_cast<std::int16_t>(random.RandomBetween(2, 12));
  state.diceSeat = static_cast<std::int16_t>(CountedSeat(state.dealerSeat, state.dice1));
  state.dice2 = static_cast<std::int16_t>(random.RandomBetween(2, 12));
  const int wallSeat = CountedSeat(state.diceSeat, state.dice2);
  state.breakPos = static_cast<std::int16_t>(SideStart(wallSeat) + 2 * state.dice2);
}

void DealHands(TableState& state) {
  int pos = state.breakPos;
  auto take = [&](int seat, int handPos) {
    state.handTiles[static_cast<std::size_t>(seat)][static_cast<std::size_t>(handPos)] =
        state.wallTiles[static_cast<std::size_t>(pos)];
    pos = WallNext(pos);
  };
  for (int pass = 0; pass < 3; ++pass) {
    for (int n = 0, seat = state.dealerSeat; n < kSeats; ++n, seat = NextSeat(seat)) {
      for (int t = 1; t <= 4; ++t) take(seat, pass * 4 + t);
    }
  }
  for (int n = 0, seat = state.dealerSeat; n < kSeats; ++n, seat = NextSeat(seat)) take(seat, 13);
  state.nextDrawPos = static_cast<std::int16_t>(pos);
  state.turnStep = static_cast<std::int16_t>(2 * state.dealerSeat - 1);
}

int DoraIndicatorPos(int breakPos, int slot) { return WallOffset(breakPos, -(2 * slot + 4)); }

int CountKans(const TableState& state) {
  int kans = 0;
  for (int seat = 1; seat <= kSeats; ++seat) {
    kans += FilledSlots(state.openKanKinds[static_cast<std::size_t>(seat)]) +
            FilledSlots(state.closedKanKinds[static_cast<std::size_t>(seat)]);
  }
  return kans;
}

int ReplacementTilePos(const TableState& state) {
  // The replacement tiles follow the indicators shown: with kan dora in play
  // that is one per kan made (one more under rule 55). Counting the kans
  // instead of the indicators gives the same tile then, and never hands out
  // the same tile twice when kan dora are off.
  int slot = CountKans(state) + (TwoIndicatorsAtStart(state.rules) ? 1 : 0);
  if (slot < 1) slot = 1;
  if (slot > 4) slot = 4;
  return WallOffset(state.breakPos, -kReplacementOffsets[static_cast<std::size_t>(slot - 1)]);
}

TileCode NextDoraKind(TileCode indicator, const RuleSet& rules) {
  if (rules[4] != 2 || indicator == 0) return 0;
  const TileCode kind = TileKind(indicator);
  if (IsRedFive(indicator)) return static_cast<TileCode>(kind + 1);
  if (kind == 9 || kind == 18 || kind == 27) return static_cast<TileCode>(kind - 8);
  if (kind == kNorth) return kEast;
  if (kind == kRed) return kWhite;
  return static_cast<TileCode>(kind + 1);
}

int FlipDoraIndicator(TableState& state) {
  int slot = 1;
  while (slot <= kDoraSlots && state.doraIndicators[static_cast<std::size_t>(slot)] != 0) ++slot;
  if (slot > kDoraSlots) return 0;
  const auto k = static_cast<std::size_t>(slot);
  const int pos = DoraIndicatorPos(state.breakPos, slot);
  state.doraIndicators[k] = state.wallTiles[static_cast<std::size_t>(pos)];
  state.doraKinds[k] = NextDoraKind(state.doraIndicators[k], state.rules);
  if (state.rules[18] == 1) {
    const int uraPos = WallNext(pos);
    state.uraIndicators[k] = state.wallTiles[static_cast<std::size_t>(uraPos)];
    state.uraKinds[k] = NextDoraKind(state.uraIndicators[k], state.rules);
    state.uraIndicatorPos[k] = static_cast<std::int16_t>(uraPos);
  }
  return slot;
}

ReplacementDraw DrawReplacementTile(TableState& state, int seat, bool indicatorOnly) {
  ReplacementDraw result;
  const int kans = CountKans(state);
  bool oneSeatOwnsAll = false;
  for (int s = 1; s <= kSeats; ++s) {
    const auto i = static_cast<std::size_t>(s);
    oneSeatOwnsAll = oneSeatOwnsAll || FilledSlots(state.openKanKinds[i]) + FilledSlots(state.closedKanKinds[i]) == 4;
  }
  if ((TwoIndicatorsAtStart(state.rules) && kans == 4) || kans >= 5 || (kans == 4 && !oneSeatOwnsAll)) {
    state.fourKanAbort = true;
    result.outcome = ReplacementOutcome::FourKanAbort;
    return result;
  }
  if (!indicatorOnly) {
    state.handTiles[static_cast<std::size_t>(seat)][kDrawnPosition] =
        state.wallTiles[static_cast<std::size_t>(ReplacementTilePos(state))];
  }
  state.wallRemaining = static_cast<std::int16_t>(state.wallRemaining - state.rules[17]);
  if (indicatorOnly) {
    result.outcome = ReplacementOutcome::IndicatorOnly;
    result.flippedSlot = FlipDoraIndicator(state);
    return result;
  }
  const bool flipNow = state.pendingKanDora != 0 && DoraInPlay(state.rules) &&
                       (state.rules[19] == 1 || (state.rules[19] == 2 && state.pendingKanDora == 1));
  if (flipNow) {
    state.pendingKanDora = 0;
    result.flippedSlot = FlipDoraIndicator(state);
  }
  return result;
}

}  // namespace mj::engine
