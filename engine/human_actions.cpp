// What the player at seat 1 can do with the buttons and the hand tiles.
#include "engine/table.h"

namespace mj::engine {

bool Table::WaitingForSeat1() const { return responseOpen_ && state_.callResponse[1] == kAnswerNone && !gameOver_; }

bool Table::CanPressPass() const {
  const TableState& s = state_;
  return WaitingForSeat1() && (s.mayChi[1] || s.mayPon[1] || s.mayKan[1] || s.canRon[1]);
}

bool Table::CanPressWin() const { return WaitingForSeat1() && state_.canRon[1]; }

bool Table::CanDiscard(int position) const {
  const TableState& s = state_;
  if (gameOver_ || position < 1 || position > kDrawnPosition) return false;
  if (s.turnStep != 1 && s.turnStep != 2) return false;
  const HandRow& hand = s.handTiles[1];
  const bool hasDrawn = hand[kDrawnPosition] != 0;
  if (s.turnStep == 1 && !hasDrawn) return false;
  if (hand[static_cast<std::size_t>(position)] == 0) return false;
  if (s.InRiichi(1) && position != kDrawnPosition) return false;
  // During someone else's answer window seat 1 is not to move.
  if (responseOpen_ && s.turnStep != 1) return false;
  return true;
}

void Table::PressPass() {
  if (!CanPressPass()) return;
  state_.callResponse[1] = kAnswerPass;
  ports_.view.ActionsGreyed();
  RunResponseWindow();
}

void Table::PressWin() {
  if (!CanPressWin()) return;
  state_.callResponse[1] = kAnswerWin;
  ports_.view.ActionsGreyed();
  RunResponseWindow();
}

void Table::ClickHandTile(int position) {
  if (!CanDiscard(position)) return;
  TableState& s = state_;
  if (responseOpen_) {
    // Discarding with a tsumo or a kan on offer declines them.
    responseOpen_ = false;
    ports_.timers.SetResponseTimer(false);
    ports_.timers.SetTurnTimer(s.stepInterval);
    s.turnStep = 2;
  }
  ports_.view.ActionsGreyed();
  Discard(1, position);
}

}  // namespace mj::engine
