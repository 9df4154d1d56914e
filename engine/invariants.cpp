#include "engine/invariants.h"

#include <array>

#include "engine/wall.h"
#include "rules/rule_values.h"

namespace mj::engine {
namespace {

constexpr int kCodeSlots = 74;  // codes up to 73 (the red five of bamboo)

int FilledMelds(const TableState& s, int seat) {
  const auto i = static_cast<std::size_t>(seat);
  int melds = 0;
  for (int k = 1; k <= 4; ++k) {
    const auto j = static_cast<std::size_t>(k);
    melds += (s.ponKinds[i][j] != 0) + (s.openKanKinds[i][j] != 0) + (s.closedKanKinds[i][j] != 0) +
             (s.chiTiles[i][3 * j - 2] != 0);
  }
  return melds;
}

}  // namespace

std::string CheckTableInvariants(const TableState& s, Money startingTotal) {
  if (s.turnStep < 0 || s.turnStep > 8) return "turnStep " + std::to_string(s.turnStep) + " is outside 0-8";

  Money total = Money::FromPoints(1000) * s.depositSticks;
  for (int seat = 1; seat <= kSeats; ++seat) total += s.players[static_cast<std::size_t>(seat)].score;
  if (total != startingTotal) {
    return "scores and sticks add up to " + total.ToString() + ", not " + startingTotal.ToString();
  }
  if (s.handNumber == 99) return {};

  std::array<int, kCodeSlots> inWall{};
  for (int i = 1; i <= kWallSize; ++i) ++inWall[static_cast<std::size_t>(s.wallTiles[static_cast<std::size_t>(i)])];
  std::array<int, kCodeSlots> inPlay{};
  int tilesInPlay = 0;
  auto count = [&](TileCode t, int sign) {
    if (t == 0) return;
    inPlay[static_cast<std::size_t>(t)] += sign;
    tilesInPlay += sign;
  };
  for (int seat = 1; seat <= kSeats; ++seat) {
    const auto i = static_cast<std::size_t>(seat);
    int concealed = 0;
    for (int pos = 1; pos <= kHandPositions; ++pos) {
      count(s.handTiles[i][static_cast<std::size_t>(pos)], 1);
      concealed += s.handTiles[i][static_cast<std::size_t>(pos)] != 0;
    }
    for (int pos = kFirstMeldPosition; pos <= kLastMeldPosition; ++pos) count(s.meldTiles[i][static_cast<std::size_t>(pos)], 1);
    for (int n = 1; n <= s.riverCount[i]; ++n) {
      // A called tile sits in the caller's meld and stays in the river too.
      if (!s.riverTakenByCall[i][static_cast<std::size_t>(n)]) count(s.riverTiles[i][static_cast<std::size_t>(n)], 1);
    }
    if (concealed + 3 * FilledMelds(s, seat) > 14) return "seat " + std::to_string(seat) + " holds more than 14 tiles";
  }
  for (int code = 1; code < kCodeSlots; ++code) {
    if (inPlay[static_cast<std::size_t>(code)] > inWall[static_cast<std::size_t>(code)]) {
      return "tile code " + std::to_string(code) + " is in play more often than the wall holds it";
    }
  }
  if (s.wallRemaining < 0) return {};
  const int liveDraws = (s.nextDrawPos - WallOffset(s.breakPos, 52) + kWallSize) % kWallSize;
  const int replacements = CountKans(s) - (s.kanDrawPending ? 1 : 0);
  const int expected = 52 + liveDraws + replacements;
  if (tilesInPlay != expected) {
    return std::to_string(tilesInPlay) + " tiles in hands, melds and rivers; the wall has handed out " +
           std::to_string(expected);
  }
  const int kanShortening = s.rules[17] * (replacements + (TwoIndicatorsAtStart(s.rules) ? 1 : 0));
  if (s.wallRemaining != 70 - liveDraws - kanShortening) {
    return "wallRemaining " + std::to_string(s.wallRemaining) + " does not match the draws made";
  }
  return {};
}

}  // namespace mj::engine
