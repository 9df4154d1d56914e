#include "engine/tsumogiri_seat.h"

namespace mj::engine {

int TsumogiriSeat::Respond(TableState& s, int seat) {
  return s.canRon[static_cast<std::size_t>(seat)] && s.rules[56] == 0 ? kAnswerWin : kAnswerPass;
}

std::optional<DiscardChoice> TsumogiriSeat::ChooseDiscard(TableState& s, int seat) {
  return DiscardChoice{LastTilePosition(s, seat), false};
}

}  // namespace mj::engine
