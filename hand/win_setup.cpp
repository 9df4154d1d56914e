#include "hand/win_setup.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <string>

#include "rules/rule_values.h"

namespace mj::hand {
namespace {

constexpr std::size_t Index(int i) { return static_cast<std::size_t>(i); }
constexpr int kMidHandWall = 50;

Status Bad(const std::string& message) { return Status::Error(1, message); }

std::string CodeText(TileCode code) { return std::to_string(code); }

Status CheckCodes(const std::vector<TileCode>& tiles, const char* what) {
  for (TileCode t : tiles) {
    if (!IsValidTileCode(t)) return Bad(std::string("bad tile code ") + CodeText(t) + " in " + what);
  }
  return Status::Ok();
}

bool SameKind(const std::vector<TileCode>& tiles) {
  return std::all_of(tiles.begin(), tiles.end(), [&](TileCode t) { return TileKind(t) == TileKind(tiles[0]); });
}

bool IsRun(std::vector<TileCode> tiles) {
  for (TileCode& t : tiles) t = TileKind(t);
  std::sort(tiles.begin(), tiles.end());
  return IsSuited(tiles[0]) && SuitOf(tiles[0]) == SuitOf(tiles[2]) && tiles[1] == tiles[0] + 1 && tiles[2] == tiles[1] + 1;
}

Status CheckMeld(const MeldSpec& meld) {
  if (Status codes = CheckCodes(meld.tiles, "a meld"); !codes.ok()) return codes;
  const std::size_t size = meld.tiles.size();
  switch (meld.type) {
    case MeldType::Chi:
      if (size != 3 || !IsRun(meld.tiles)) return Bad("a chi is three tiles in a row of one suit");
      break;
    case MeldType::Pon:
      if (size != 3 || !SameKind(meld.tiles)) return Bad("a pon is three tiles of one kind");
      break;
    default:
      if (size != 4 || !SameKind(meld.tiles)) return Bad("a kan is four tiles of one kind");
      break;
  }
  return Status::Ok();
}

// No kind may appear more than four times among the hand, the melds shown and the indicators.
Status CheckCopies(const TableState& state, std::size_t s, const WinSituation& w) {
  std::array<int, kKindCount + 1> copies{};
  auto add = [&](TileCode t) {
    if (t != kNoTile) ++copies[Index(TileKind(t))];
  };
  for (int p = 1; p <= kHandPositions; ++p) add(state.handTiles[s][Index(p)]);
  for (int p = kFirstMeldPosition; p <= kLastMeldPosition; ++p) add(state.meldTiles[s][Index(p)]);
  for (TileCode t : w.doraIndicators) add(t);
  for (TileCode t : w.uraIndicators) add(t);
  for (int k = 1; k <= kKindCount; ++k) {
    if (copies[Index(k)] > 4) return Bad("more than four tiles of kind " + std::to_string(k));
  }
  return Status::Ok();
}

Status CheckTiles(const WinSituation& w) {
  if (Status s = CheckCodes(w.hand, "the hand"); !s.ok()) return s;
  if (w.melds.size() > 4) return Bad("at most four melds");
  for (const MeldSpec& meld : w.melds) {
    if (Status s = CheckMeld(meld); !s.ok()) return s;
  }
  if (w.hand.size() + 3 * w.melds.size() != 14) {
    return Bad("the hand and melds must make 14 tiles (a kan counting 3), not " +
               std::to_string(w.hand.size() + 3 * w.melds.size()));
  }
  if (!IsValidTileCode(w.winningTile)) return Bad("the winning tile is not a tile code");
  if (std::find(w.hand.begin(), w.hand.end(), w.winningTile) == w.hand.end()) {
    return Bad("the winning tile " + CodeText(w.winningTile) + " is not in the hand");
  }
  return Status::Ok();
}

int KanCount(const TableState& state, std::size_t s) {
  int kans = 0;
  for (int i = 1; i <= 4; ++i) {
    kans += state.openKanKinds[s][Index(i)] != kNoTile ? 1 : 0;
    kans += state.closedKanKinds[s][Index(i)] != kNoTile ? 1 : 0;
  }
  return kans;
}

bool HasKanOf(const TableState& state, std::size_t s, TileCode kind) {
  for (int i = 1; i <= 4; ++i) {
    if (state.openKanKinds[s][Index(i)] == kind || state.closedKanKinds[s][Index(i)] == kind) return true;
  }
  return false;
}

Status CheckPlayInputs(const TableState& state, std::size_t s, const WinSituation& w) {
  if (w.afterKan && (w.tsumo || w.chankan)) return Bad("after_kan is a ron on a discard");
  if (w.kanRun < 0 || w.kanRun > 4) return Bad("kan_run must be 0-4");
  if (w.kanRun > 0 && !w.rinshan) return Bad("kan_run needs rinshan");
  if (w.kanRun > KanCount(state, s)) return Bad("kan_run counts the seat's own kans, and it has fewer");
  if (w.redDragonKan && (!w.rinshan || !HasKanOf(state, s, kRed))) return Bad("red_dragon_kan needs rinshan and a kan of 中");
  if (w.lastCopy && !(w.riichi || w.doubleRiichi)) return Bad("last_copy needs riichi");
  return Status::Ok();
}

Status CheckFlags(const TableState& state, std::size_t s, const WinSituation& w) {
  const RuleSet& rules = state.rules;
  const bool called = state.hasCalled[s];
  const bool anyRiichi = w.riichi || w.doubleRiichi;
  if (anyRiichi && called) return Bad("riichi needs a closed hand");
  if ((w.ippatsu || w.openRiichi) && !anyRiichi) return Bad("ippatsu and open_riichi need riichi");
  if (w.haitei && !w.tsumo) return Bad("haitei is a tsumo");
  if (w.houtei && w.tsumo) return Bad("houtei is a ron");
  if (w.rinshan && (!w.tsumo || KanCount(state, s) == 0)) return Bad("rinshan is a tsumo after a kan");
  if (w.chankan && w.tsumo) return Bad("chankan is a ron");
  const int firstTurn = (w.tenhou ? 1 : 0) + (w.chiihou ? 1 : 0) + (w.renhou ? 1 : 0);
  if (firstTurn > 1) return Bad("at most one of tenhou, chiihou and renhou");
  if (w.tenhou && !(w.dealer && w.tsumo)) return Bad("tenhou is the dealer's tsumo");
  if (w.chiihou && (w.dealer || !w.tsumo)) return Bad("chiihou is a non-dealer's tsumo");
  if (w.renhou && (w.dealer || w.tsumo)) return Bad("renhou is a non-dealer's ron");
  if (firstTurn > 0 && (anyRiichi || called)) return Bad("a first-turn win has no riichi and no call");
  if (w.roundWind < kEast || w.roundWind > kNorth) return Bad("round_wind must be 28-31");
  if (w.seatWind != kNoTile && (w.seatWind < kEast || w.seatWind > kNorth)) return Bad("seat_wind must be 28-31");
  if (w.seatWind != kNoTile && w.dealer != (w.seatWind == kEast)) return Bad("the dealer is the east seat");
  if (!w.doraIndicators.empty() && !DoraInPlay(rules)) return Bad("dora indicators under rule 4 (ドラ) なし");
  if (!w.uraIndicators.empty() && rules[18] != 1) return Bad("ura indicators under rule 18 (裏ドラ) なし");
  if (Status c = CheckCodes(w.doraIndicators, "the dora indicators"); !c.ok()) return c;
  if (Status c = CheckCodes(w.uraIndicators, "the ura indicators"); !c.ok()) return c;
  if (w.doraIndicators.size() > kDoraSlots || w.uraIndicators.size() > kDoraSlots) return Bad("at most five indicators");
  if (w.honba < 0 || w.deposits < 0 || w.honba > 9999 || w.deposits > 9999) return Bad("honba and deposits must be 0-9999");
  return CheckPlayInputs(state, s, w);
}

void PlaceMeld(TableState& state, std::size_t s, const MeldSpec& meld, int& meldPosition) {
  for (TileCode t : meld.tiles) state.meldTiles[s][Index(meldPosition++)] = t;
  const TileCode kind = TileKind(meld.tiles[0]);
  auto firstFree = [](KindSlots& slots) -> TileCode& {
    int i = 1;
    while (slots[Index(i)] != kNoTile) ++i;
    return slots[Index(i)];
  };
  switch (meld.type) {
    case MeldType::Chi: {
      std::array<TileCode, 3> kinds{TileKind(meld.tiles[0]), TileKind(meld.tiles[1]), TileKind(meld.tiles[2])};
      std::sort(kinds.begin(), kinds.end());
      int group = 1;
      while (state.chiTiles[s][Index(group)] != kNoTile) group += 3;
      for (int i = 0; i < 3; ++i) state.chiTiles[s][Index(group + i)] = kinds[Index(i)];
      break;
    }
    case MeldType::Pon: firstFree(state.ponKinds[s]) = kind; break;
    case MeldType::Kan:
    case MeldType::AddedKan: firstFree(state.openKanKinds[s]) = kind; break;
    case MeldType::ClosedKan: firstFree(state.closedKanKinds[s]) = kind; break;
  }
  if (meld.type != MeldType::ClosedKan) state.hasCalled[s] = true;
}

// Seat winds run 東南西北 in play order from the dealer.
int DealerSeatFor(int seat, int seatWind) { return ((seat - 1 - (seatWind - 1)) % 4 + 4) % 4 + 1; }

}  // namespace

int DiscarderFor(int seat) { return NextSeat(NextSeat(seat)); }

Status SetUpWin(TableState& state, const WinSituation& w) {
  if (w.seat < 1 || w.seat > kSeats) return Bad("the seat must be 1-4");
  if (Status s = CheckTiles(w); !s.ok()) return s;
  ClearPerHandState(state);
  const std::size_t s = Index(w.seat);
  std::vector<TileCode> hand = w.hand;
  hand.erase(std::find(hand.begin(), hand.end(), w.winningTile));
  for (std::size_t i = 0; i < hand.size(); ++i) state.handTiles[s][i + 1] = hand[i];
  state.handTiles[s][kDrawnPosition] = w.winningTile;
  int meldPosition = kFirstMeldPosition;
  for (const MeldSpec& meld : w.melds) PlaceMeld(state, s, meld, meldPosition);
  return ApplyWinConditions(state, w);
}

Status ApplyWinConditions(TableState& state, const WinSituation& w) {
  if (w.seat < 1 || w.seat > kSeats) return Bad("the seat must be 1-4");
  const std::size_t s = Index(w.seat);
  if (Status c = CheckFlags(state, s, w); !c.ok()) return c;
  if (Status c = CheckCopies(state, s, w); !c.ok()) return c;
  static_cast<WinState&>(state) = WinState{};
  static_cast<ScoreState&>(state) = ScoreState{};

  const int seatWind = (w.seatWind != kNoTile ? w.seatWind : (w.dealer ? kEast : kSouth)) - 27;
  state.dealerSeat = static_cast<std::int16_t>(DealerSeatFor(w.seat, seatWind));
  for (int seat = 1; seat <= kSeats; ++seat) state.players[Index(seat)].seatWind = static_cast<std::int16_t>(state.SeatWindOf(seat));
  state.handNumber = static_cast<std::int16_t>(4 * (w.roundWind - kEast) + 1);
  state.currentSeat = static_cast<std::int16_t>(w.tsumo ? w.seat : DiscarderFor(w.seat));

  // Unless the win is a first-turn one, the seat has discarded and another seat has called.
  const bool firstTurn = w.tenhou || w.chiihou || w.renhou;
  state.riverCount[s] = firstTurn ? 0 : 1;
  if (!firstTurn) state.hasCalled[Index(DiscarderFor(w.seat))] = true;
  if (w.riichi || w.doubleRiichi) state.riichiTurn[s] = 1;
  state.doubleRiichi[s] = w.doubleRiichi;
  state.ippatsu[s] = w.ippatsu;
  state.openRiichi[s] = w.openRiichi;

  state.wallRemaining = static_cast<std::int16_t>(w.haitei || w.houtei ? 0 : kMidHandWall);
  state.rinshanChance = w.rinshan;
  state.robbingKan = w.chankan;
  state.robbedKanTile = w.chankan ? state.handTiles[s][kDrawnPosition] : kNoTile;
  state.discardAfterKan = w.afterKan;
  static_cast<LocalYakuState&>(state) = LocalYakuState{};
  state.kanRunCount = static_cast<std::int16_t>(w.rinshan ? std::max(w.kanRun, 1) : 0);
  state.kanOfRedDragon = w.redDragonKan;
  state.lastCopyWin[s] = w.lastCopy;
  for (std::size_t i = 0; i < w.doraIndicators.size(); ++i) state.doraIndicators[i + 1] = w.doraIndicators[i];
  for (std::size_t i = 0; i < w.uraIndicators.size(); ++i) state.uraIndicators[i + 1] = w.uraIndicators[i];
  state.honba = static_cast<std::int16_t>(w.honba);
  state.honbaValue = HonbaValue(state.rules);
  state.depositSticks = static_cast<std::int16_t>(w.deposits);
  return Status::Ok();
}

}  // namespace mj::hand
