#include "engine/tsumogiri_seat.h"

namespace mj::engine {

int TsumogiriPosition(const TableState& s, int seat) {
  const HandRow& hand = s.handTiles[static_cast<std::size_t>(seat)];
  for (int pos = kDrawnPosition; pos >= 1; --pos) {
    if (hand[static_cast<std::size_t>(pos)] != 0) return pos;
  }
  return kDrawnPosition;
}

int TsumogiriSeat::Respond(TableState& s, int seat) {
  return s.canRon[static_cast<std::size_t>(seat)] && s.rules[56] == 0 ? kAnswerWin : kAnswerPass;
}

std::optional<DiscardChoice> TsumogiriSeat::ChooseDiscard(TableState& s, int seat) {
  return DiscardChoice{TsumogiriPosition(s, seat), false};
}

}  // namespace mj::engine
