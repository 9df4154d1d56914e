// Clicks on seat 1's hand tiles: a discard, or the choice of an option
// during a tile selection.
#include "engine/call_options.h"
#include "engine/table.h"
#include "engine/tile_selection.h"

namespace mj::engine {
namespace {

constexpr std::string_view kKuikaeRefused = "喰い換えなしルールの為この牌を切る事はできません";

}  // namespace

// Seat 1's own draw step with its tile in hand (a tsumo or kan may be on
// offer), or its discard step with no other seat's answer pending.
bool Table::Seat1ToMove() const {
  const TableState& s = state_;
  if (gameOver_ || s.currentSeat != 1) return false;
  if (s.turnStep == 1) return s.handTiles[1][kDrawnPosition] != 0;
  return s.turnStep == 2 && !responseOpen_;
}

Table::DiscardCheck Table::CheckDiscard(int position) const {
  const TableState& s = state_;
  if (position < 1 || position > kDrawnPosition || !Seat1ToMove()) return DiscardCheck::Ignored;
  const TileCode tile = s.handTiles[1][static_cast<std::size_t>(position)];
  if (tile == 0) return DiscardCheck::Ignored;
  if (s.InRiichi(1) && position != kDrawnPosition) return DiscardCheck::Ignored;
  if (IsKuikaeBanned(s, tile)) return DiscardCheck::KuikaeBanned;
  return DiscardCheck::Allowed;
}

bool Table::CanDiscard(int position) const { return CheckDiscard(position) == DiscardCheck::Allowed; }

std::vector<int> Table::RaisedPositions(int position) const {
  return WaitingForSeat1() ? engine::RaisedPositions(state_, position) : std::vector<int>{};
}

void Table::ClickHandTile(int position) {
  TableState& s = state_;
  if (SelectionOpen(s)) {
    ClickDuringSelection(position);
    return;
  }
  switch (CheckDiscard(position)) {
    case DiscardCheck::Ignored: return;
    case DiscardCheck::KuikaeBanned: ports_.dialogs.ShowInfo(kKuikaeRefused); return;
    case DiscardCheck::Allowed: break;
  }
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

void Table::ClickDuringSelection(int position) {
  TableState& s = state_;
  if (!WaitingForSeat1()) {
    s.chiSelecting = s.kanSelecting = 0;
    return;
  }
  const int option = SelectionOptionAt(s, position);
  if (s.chiSelecting == 1) {
    if (option == 0) return;  // only a raised tile chooses
    s.chiSelecting = 2;
    AnswerForSeat1(kAnswerChi, option);
    return;
  }
  if (option == 0) {
    s.kanSelecting = 0;  // a kan selection ends without an answer
    return;
  }
  s.kanSelecting = 2;
  AnswerForSeat1(kAnswerKan, option);
}

}  // namespace mj::engine
