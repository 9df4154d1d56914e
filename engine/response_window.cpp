// The answers to a tile on offer and the window that settles them.
#include "engine/calls.h"
#include "engine/claim_priority.h"
#include "engine/state/record_events.h"
#include "engine/record_entries.h"
#include "engine/table.h"
#include "engine/wall.h"
#include "hand/win_check.h"
#include "hand/yaku_codes.h"

namespace mj::engine {
void Table::ClearCallResponses() {
  TableState& s = state_;
  s.callResponse = {};
  s.canRon = {};
  s.mayChi = {};
  s.mayPon = {};
  s.mayKan = {};
  s.callOption = {};
  s.chiSelecting = s.kanSelecting = 0;
}

bool Table::DecideResponses() {
  TableState& s = state_;
  bool any = false;
  for (int seat = 1; seat <= kSeats; ++seat) any = any || HasOption(s, seat);
  if (!any) return false;
  bool wait = s.mode.isLanGame;
  for (int seat = 1; seat <= kSeats; ++seat) {
    const auto i = static_cast<std::size_t>(seat);
    SeatController* controller = seats_[i];
    s.callResponse[i] = HasOption(s, seat) && controller != nullptr
                            ? static_cast<std::int16_t>(controller->Respond(s, seat))
                            : static_cast<std::int16_t>(kAnswerPass);
    wait = wait || s.callResponse[i] != kAnswerPass;
  }
  return wait;
}

void Table::WaitForAnswers() {
  ports_.timers.SetTurnTimer(0);
  ports_.timers.SetResponseTimer(true);
  responseOpen_ = true;
}

void Table::OnResponseTimer() { RunResponseWindow(); }

void Table::RunResponseWindow() {
  TableState& s = state_;
  if (!responseOpen_ || gameOver_) return;
  for (int seat = 1; seat <= kSeats; ++seat) {
    if (s.callResponse[static_cast<std::size_t>(seat)] == kAnswerNone) return;
  }
  responseOpen_ = false;
  for (int seat = 1; seat <= kSeats; ++seat) {
    const auto i = static_cast<std::size_t>(seat);
    if (seat != s.currentSeat && s.canRon[i] && s.callResponse[i] == kAnswerPass) s.missedWinFuriten[i] = true;
  }
  bool allPassed = true;
  bool anyWin = false;
  for (int seat = 1; seat <= kSeats; ++seat) {
    allPassed = allPassed && s.callResponse[static_cast<std::size_t>(seat)] == kAnswerPass;
    anyWin = anyWin || s.callResponse[static_cast<std::size_t>(seat)] == kAnswerWin;
  }
  if (allPassed) {
    AllPassed();
  } else if (anyWin) {
    SettleWinners();
  } else {
    ApplyBestCall();
  }
}

void Table::AllPassed() {
  TableState& s = state_;
  ports_.timers.SetResponseTimer(false);
  ports_.timers.SetTurnTimer(s.stepInterval);
  s.robbingKan = false;
  const int seat = s.currentSeat;
  if (s.kanDrawPending) {
    DrawAfterKan();
  } else if (s.turnStep == 2 * seat - 1) {
    s.turnStep = static_cast<std::int16_t>(2 * seat);  // the seat declined its own tsumo or kan
  } else {
    s.currentSeat = static_cast<std::int16_t>(NextSeat(seat));
    s.turnStep = static_cast<std::int16_t>(2 * s.currentSeat - 1);
  }
}

void Table::SettleWinners() {
  TableState& s = state_;
  ports_.timers.SetResponseTimer(false);
  ports_.timers.SetTurnTimer(0);
  const std::vector<int> winners = WinningSeats(s.callResponse, s.currentSeat);
  const int first = winners.front();
  if (s.yakuList[static_cast<std::size_t>(first)][0] == hand::yaku::kNineTerminals) {
    s.nineTerminalsSeat = first;
    s.wallRemaining = -1;
    EndOfHandEntry();
    return;
  }
  int counted = 0;
  for (int seat : winners) counted += s.yakuList[static_cast<std::size_t>(seat)][0] != hand::kFuritenCode;
  const int rule20 = s.rules[20];
  if (counted == 3 && rule20 != 2) {
    s.wallRemaining = -1;  // 三家和
    EndOfHandEntry();
    return;
  }
  const std::size_t settled = rule20 == 0 ? 1 : winners.size();
  for (std::size_t i = 0; i < settled && !gameOver_; ++i) {
    if (winners[i] != 1) s.chiSelecting = s.kanSelecting = 0;
    AddRecordEntry(s, std::to_string(winners[i]) + "A");
    SettleAndReport(winners[i]);
  }
  if (!gameOver_) EndHand(first, true);
}

void Table::DrawAfterKan() {
  TableState& s = state_;
  const int seat = s.currentSeat;
  s.kanDrawPending = false;
  const ReplacementDraw draw = DrawReplacementTile(s, seat, false);
  if (draw.outcome == ReplacementOutcome::FourKanAbort) {
    s.wallRemaining = -1;
    ports_.timers.SetTurnTimer(0);
    EndOfHandEntry();
    return;
  }
  if (draw.flippedSlot != 0) ports_.view.DoraFlipped(draw.flippedSlot);
  const TileCode tile = s.handTiles[static_cast<std::size_t>(seat)][kDrawnPosition];
  RecordDraw(s, seat, tile);
  Emit([&](GameEvents& e) { e.Drawn(s, seat, tile); });
  ports_.view.TileDrawn(seat, true);
  ports_.view.WallCountChanged();
  s.rinshanChance = true;
  s.discardAfterKan = true;  // also when the seat is asked about its tile and declines
  ClearCallResponses();
  const bool canWin = hand::CheckWins(s, hand::kCheckTsumo, ports_.evaluator);
  const bool canKan = FindCallOptions(s, seat, tile, false);
  s.rinshanChance = false;
  if ((canWin || canKan) && DecideResponses()) {
    s.turnStep = static_cast<std::int16_t>(2 * seat - 1);
    WaitForAnswers();
    return;
  }
  s.turnStep = static_cast<std::int16_t>(2 * seat);
  ports_.timers.SetTurnTimer(s.stepInterval);
}

void Table::OfferKanToRobbers(bool kokushiOnly) {
  TableState& s = state_;
  ClearCallResponses();
  bool anyWinner = hand::CheckWins(s, hand::kCheckRon, ports_.evaluator);
  if (kokushiOnly) {
    // Only 国士無双 may rob a concealed kan.
    anyWinner = false;
    for (int seat = 1; seat <= kSeats; ++seat) {
      const auto i = static_cast<std::size_t>(seat);
      const YakuCode first = s.yakuList[i][0];
      const bool kokushi = first == hand::yaku::kKokushi || first == hand::yaku::kKokushi13;
      if (!kokushi) s.canRon[i] = false;
      anyWinner = anyWinner || s.canRon[i];
    }
  }
  if (anyWinner && DecideResponses()) {
    WaitForAnswers();
    return;
  }
  s.robbingKan = false;
  DrawAfterKan();
}

void Table::ApplyBestCall() {
  TableState& s = state_;
  ports_.timers.SetResponseTimer(false);
  const Claim claim = StrongestCall(s.callResponse, s.currentSeat);
  if (claim.seat != 1) s.chiSelecting = s.kanSelecting = 0;
  const CallChoice choice{std::max(1, static_cast<int>(s.callOption[static_cast<std::size_t>(claim.seat)]))};
  const CallResult result = ExecuteCall(s, claim.seat, claim.answer, choice);
  if (result.kind == 0) {
    AllPassed();  // the claim was not a legal call: play goes on as if all passed
    return;
  }
  if (result.flippedDoraSlot != 0) ports_.view.DoraFlipped(result.flippedDoraSlot);
  Emit([&](GameEvents& e) { e.Called(s, claim.seat, result); });
  ports_.sounds.Play(result.sound);
  ports_.view.CallMade(claim.seat);
  if (result.firstCall && s.isMaster && s.mode.statsEnabled) {
    const StatsDelta delta = FirstCallDelta(s.players[static_cast<std::size_t>(claim.seat)]);
    if (Stop(ports_.records.AddUserStats(delta), kUserUpdateFailedText)) return;
  }
  if (result.kind != kCallKan) {
    ports_.timers.SetTurnTimer(s.stepInterval);
    return;
  }
  if (result.robbing == KanRobbing::None) {
    DrawAfterKan();
    return;
  }
  s.robbingKan = true;
  s.robbedKanTile = result.calledTile;
  OfferKanToRobbers(result.robbing == KanRobbing::KokushiOnly);
}

}  // namespace mj::engine
