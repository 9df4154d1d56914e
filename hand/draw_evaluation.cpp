#include "hand/draw_evaluation.h"

#include "hand/complete_hand.h"
#include "hand/yaku_codes.h"

namespace mj::hand {
namespace {

bool TenpaiAtDraw(TableState& s, int seat, WinEvaluator& evaluator) {
  TileCode& slot = s.handTiles[static_cast<std::size_t>(seat)][kDrawnPosition];
  bool tenpai = false;
  for (TileCode kind = 1; kind <= kKindCount && !tenpai; ++kind) {
    slot = kind;
    // 形式聴牌 counts the shape; otherwise the hand must have a yaku
    // (a closed hand always has 門前清摸和).
    tenpai = s.rules[11] == 1 ? IsCompleteHand(s, seat) : evaluator.EvaluateWin(s, seat, kTsumoWin);
  }
  slot = 0;
  return tenpai;
}

bool IsSimple(TileCode tile) {
  const TileCode kind = TileKind(tile);
  return IsSuited(kind) && !IsTerminal(kind);
}

}  // namespace

bool IsFourWindsAbort(const TableState& s) {
  const TileCode first = TileKind(s.riverTiles[1][1]);
  if (!IsWind(first)) return false;
  bool anyRiichi = false;
  for (int seat = 1; seat <= kSeats; ++seat) {
    const auto i = static_cast<std::size_t>(seat);
    if (s.riverCount[i] != 1 || TileKind(s.riverTiles[i][1]) != first) return false;
    anyRiichi = anyRiichi || s.riichiTurn[i] != 0 || s.riichiStakePending[i];
  }
  return !anyRiichi || s.rules[54] == 1;
}

void EvaluateDraw(TableState& s, WinEvaluator& evaluator) {
  const auto savedLists = s.yakuList;
  PerSeat<TileCode> savedDrawn{};
  for (int seat = 1; seat <= kSeats; ++seat) {
    savedDrawn[static_cast<std::size_t>(seat)] = s.handTiles[static_cast<std::size_t>(seat)][kDrawnPosition];
  }
  s.tenpaiAtDraw = {};
  for (int seat = 1; seat <= kSeats; ++seat) {
    if (TenpaiAtDraw(s, seat, evaluator)) s.tenpaiAtDraw[static_cast<std::size_t>(seat)] = 1;
  }
  s.yakuList = savedLists;
  for (int seat = 1; seat <= kSeats; ++seat) {
    s.handTiles[static_cast<std::size_t>(seat)][kDrawnPosition] = savedDrawn[static_cast<std::size_t>(seat)];
  }

  YakuCode& ending = s.yakuList[1][0];
  bool notenRiichi = false;
  for (int seat = 1; seat <= kSeats; ++seat) {
    const auto i = static_cast<std::size_t>(seat);
    if (s.tenpaiAtDraw[i] == 0 && s.riichiTurn[i] != 0) {
      s.tenpaiAtDraw[i] = 2;
      notenRiichi = true;
    }
  }
  if (notenRiichi) {
    ending = yaku::kNotenRiichiChombo;
    return;
  }
  int allRiichi = 0;
  int declaredWins = 0;
  for (int seat = 1; seat <= kSeats; ++seat) {
    allRiichi += s.riichiTurn[static_cast<std::size_t>(seat)] != 0;
    declaredWins += s.callResponse[static_cast<std::size_t>(seat)] == 4;
  }
  if (s.nineTerminalsSeat != 0) ending = yaku::kNineTerminals;
  if (IsFourWindsAbort(s)) ending = yaku::kFourWinds;
  if (s.fourKanAbort) ending = yaku::kFourKans;
  if (allRiichi == kSeats) ending = yaku::kFourRiichi;
  if (declaredWins == 3) ending = yaku::kTripleRon;
}

void CheckNagashi(TableState& s) {
  for (int seat = 1; seat <= kSeats; ++seat) {
    const auto i = static_cast<std::size_t>(seat);
    s.nagashiFlags[i] = false;
    if (s.hasCalled[i] || s.riichiTurn[i] != 0) continue;
    bool eligible = true;
    for (int n = 1; n <= s.riverCount[i] && eligible; ++n) {
      eligible = !IsSimple(s.riverTiles[i][static_cast<std::size_t>(n)]) && !s.riverTakenByCall[i][static_cast<std::size_t>(n)];
    }
    if (!eligible) continue;
    s.nagashiFlags[i] = true;
    s.yakuList[i] = {};
    s.yakuList[i][0] = yaku::kNagashi;
    s.yakuLines[i] = {};
    s.yakuLines[i][0] = YakuLine("流し満貫");
  }
}

}  // namespace mj::hand
