// The buttons, the table click and the menu toggles of the player at seat 1.
#include "engine/call_options.h"
#include "engine/riichi.h"
#include "engine/table.h"
#include "engine/tile_selection.h"

namespace mj::engine {

bool Table::WaitingForSeat1() const { return responseOpen_ && state_.callResponse[1] == kAnswerNone && !gameOver_; }

bool Table::CanPressPass() const { return WaitingForSeat1() && HasOption(state_, 1); }

bool Table::CanPressChi() const { return WaitingForSeat1() && CanChi(state_, 1); }

bool Table::CanPressPon() const { return WaitingForSeat1() && CanPon(state_, 1); }

// With the riichi stick out the seat has chosen to discard: no kan, no win.
bool Table::CanPressKan() const { return WaitingForSeat1() && CanKan(state_, 1) && !RiichiDeclarationPending(state_, 1); }

bool Table::CanPressWin() const { return WaitingForSeat1() && state_.canRon[1] && !RiichiDeclarationPending(state_, 1); }

bool Table::CanPressRiichi() const {
  return Seat1ToMove() && (RiichiDeclarationPending(state_, 1) || RiichiAllowed(state_, 1));
}

bool Table::CanClickTable() const { return CanPressPass() && !SelectionOpen(state_); }

void Table::AnswerForSeat1(int answer, int option) {
  TableState& s = state_;
  s.callResponse[1] = static_cast<std::int16_t>(answer);
  s.callOption[1] = static_cast<std::int16_t>(option);
  // Any other answer ends a selection still open; a chosen one stays chosen.
  if (s.chiSelecting == 1) s.chiSelecting = 0;
  if (s.kanSelecting == 1) s.kanSelecting = 0;
  ports_.view.ActionsGreyed();
  RunResponseWindow();
}

void Table::PressPass() {
  if (CanPressPass()) AnswerForSeat1(kAnswerPass, 0);
}

void Table::ClickTable() {
  if (CanClickTable()) AnswerForSeat1(kAnswerPass, 0);
}

// Several options open a tile selection; the click on a tile answers.
void Table::AnswerOrSelect(int answer, int optionCount) {
  TableState& s = state_;
  if (optionCount <= 1) {
    AnswerForSeat1(answer, 1);
    return;
  }
  s.chiSelecting = answer == kAnswerChi ? 1 : 0;
  s.kanSelecting = answer == kAnswerKan ? 1 : 0;
}

void Table::PressChi() {
  if (CanPressChi()) AnswerOrSelect(kAnswerChi, state_.chiOptionCount[1]);
}

void Table::PressPon() {
  if (CanPressPon()) AnswerForSeat1(kAnswerPon, 0);
}

void Table::PressKan() {
  if (CanPressKan()) AnswerOrSelect(kAnswerKan, state_.kanOptionCount[1]);
}

void Table::PressWin() {
  if (CanPressWin()) AnswerForSeat1(kAnswerWin, 0);
}

void Table::PressRiichi() {
  if (CanPressRiichi()) DeclareRiichi(1);
}

void Table::ToggleNoCalls() { state_.noCallsToggle = !state_.noCallsToggle; }

void Table::ToggleLetRonsPass() { state_.letRonsPassToggle = !state_.letRonsPassToggle; }

}  // namespace mj::engine
