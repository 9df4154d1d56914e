// The turn timer's steps: each seat draws, may win or kan on its tile,
// discards, and the other seats may answer the discard.
#include "engine/arrange_hand.h"
#include "engine/calls.h"
#include "engine/local_yaku_inputs.h"
#include "engine/record_entries.h"
#include "engine/riichi.h"
#include "engine/sound_effects.h"
#include "engine/table.h"
#include "engine/tile_text.h"
#include "engine/wall.h"
#include "hand/draw_evaluation.h"
#include "hand/win_check.h"
#include "rules/rule_values.h"

namespace mj::engine {

void Table::OnTurnTimer() {
  TableState& s = state_;
  if (s.wallRemaining == -1 || gameOver_) return;
  if (s.turnStep % 2 == 1) {
    bool allInRiichi = true;
    for (int seat = 1; seat <= kSeats; ++seat) allInRiichi = allInRiichi && s.InRiichi(seat);
    if (s.wallRemaining == 0 || allInRiichi) {
      // The fourth riichi's stake stays on the table for the next winner.
      if (allInRiichi && s.wallRemaining != 0) s.riichiStakePending = {};
      s.wallRemaining = -1;
      ports_.timers.SetTurnTimer(0);
      EndOfHandEntry();
      return;
    }
  }
  TurnStep();
}

void Table::TurnStep() {
  const int seat = (state_.turnStep + 1) / 2;
  if (seat < 1 || seat > kSeats) return;
  if (state_.turnStep % 2 == 1) {
    DrawStep(seat);
  } else {
    DiscardStep(seat);
  }
}

void Table::DrawTile(int seat) {
  TableState& s = state_;
  const TileCode tile = s.wallTiles[static_cast<std::size_t>(s.nextDrawPos)];
  s.handTiles[static_cast<std::size_t>(seat)][kDrawnPosition] = tile;
  s.nextDrawPos = static_cast<std::int16_t>(WallNext(s.nextDrawPos));
  --s.wallRemaining;
  RecordDraw(s, seat, tile);
  Emit([&](GameEvents& e) { e.Drawn(s, seat, tile); });
  ports_.view.TileDrawn(seat, false);
  ports_.view.WallCountChanged();
}

void Table::DrawStep(int seat) {
  TableState& s = state_;
  s.currentSeat = static_cast<std::int16_t>(seat);
  if (!s.InRiichi(seat)) s.missedWinFuriten[static_cast<std::size_t>(seat)] = false;
  // The last discard passed unclaimed: a riichi declared on it stands.
  s.riichiStakePending = {};
  DrawTile(seat);
  ClearCallResponses();
  const TileCode drawn = s.handTiles[static_cast<std::size_t>(seat)][kDrawnPosition];
  const bool canWin = hand::CheckWins(s, hand::kCheckTsumo, ports_.evaluator);
  const bool canKan = FindCallOptions(s, seat, drawn, false);
  if ((canWin || canKan) && DecideResponses()) {
    WaitForAnswers();
    return;
  }
  if (seat == 1 && !s.players[1].isCpu && !s.InRiichi(1)) ports_.sounds.Play(kSoundAlarm);
  s.turnStep = static_cast<std::int16_t>(2 * seat);
}

void Table::DiscardStep(int seat) {
  SeatController* controller = seats_[static_cast<std::size_t>(seat)];
  if (controller == nullptr) return;
  const std::optional<DiscardChoice> choice = controller->ChooseDiscard(state_, seat);
  if (!choice) return;  // the human clicks, or a remote seat's message arrives
  if (choice->riichi) StartRiichi(seat, choice->openRiichi);
  Discard(seat, choice->position);
}

void Table::Discard(int seat, int position) {
  TableState& s = state_;
  const auto k = static_cast<std::size_t>(seat);
  HandRow& hand = s.handTiles[k];
  const TileCode tile = hand[static_cast<std::size_t>(position)];
  const bool fromDrawn = position == kDrawnPosition;
  // The riichi discard opens ippatsu; the seat's next discard closes it.
  if (s.InRiichi(seat) && !s.riichiJustDeclared) s.ippatsu[k] = false;

  s.riverTiles[k][static_cast<std::size_t>(s.riverCount[k] + 1)] = tile;
  if (s.discardAfterCall) {
    hand[static_cast<std::size_t>(position)] = 0;
    s.discardAfterCall = false;
  } else if (!fromDrawn) {
    hand[static_cast<std::size_t>(position)] = hand[kDrawnPosition];
  }
  hand[kDrawnPosition] = 0;
  s.kuikaeBan = {};  // a call's forbidden discards last only for this discard
  ++s.riverCount[k];
  ArrangeSeat(s, seat, false);

  if (s.riichiJustDeclared && !FinishRiichi(seat)) return;
  if (AnySeatInRiichi(s)) AddRiichiSafeTile(s, tile);
  AddRecordEntry(s, std::to_string(seat) + (fromDrawn ? "D" : "d") + TileText(tile));
  const bool riichiDiscard = s.riichiTurn[k] != 0 && s.riichiTurn[k] == s.riverCount[k];
  Emit([&](GameEvents& e) { e.Discarded(s, seat, tile, fromDrawn, riichiDiscard); });
  ports_.sounds.Play(kSoundDiscard);
  if (s.pendingKanDora != 0) {
    s.pendingKanDora = 0;
    if (KanDoraInPlay(s.rules)) ports_.view.DoraFlipped(FlipDoraIndicator(s));
  }

  ClearCallResponses();
  for (int other = NextSeat(seat); other != seat; other = NextSeat(other)) {
    FindCallOptions(s, other, tile, other == NextSeat(seat));
  }
  if (hand::IsFourWindsAbort(s)) {
    s.wallRemaining = -1;
    ports_.timers.SetTurnTimer(0);
    EndOfHandEntry();
    return;
  }
  hand::CheckWins(s, hand::kCheckRon, ports_.evaluator);
  NoteTurnPassed(s);
  if (DecideResponses()) {
    WaitForAnswers();
    return;
  }
  s.currentSeat = static_cast<std::int16_t>(NextSeat(seat));
  s.turnStep = static_cast<std::int16_t>(2 * s.currentSeat - 1);
}

}  // namespace mj::engine
