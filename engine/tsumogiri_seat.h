#pragma once
// A passive CPU seat: it never calls and discards the tile it drew (as all
// CPU seats do under rule 56), but takes every win it is offered unless rule
// 56 forbids it.
#include "engine/seat_controller.h"

namespace mj::engine {

class TsumogiriSeat final : public SeatController {
 public:
  int Respond(TableState& state, int seat) override;
  std::optional<DiscardChoice> ChooseDiscard(TableState& state, int seat) override;
};

}  // namespace mj::engine
