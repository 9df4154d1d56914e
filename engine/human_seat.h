#pragma once
// Seat 1 played at this machine: every available action waits for the
// player's button, click or key, except what the menu toggles pass by
// themselves.
#include "engine/ports.h"
#include "engine/seat_controller.h"

namespace mj::engine {

class HumanSeat final : public SeatController {
 public:
  explicit HumanSeat(Sounds& sounds) : sounds_(sounds) {}
  int Respond(TableState& state, int seat) override;
  // In riichi the drawn tile goes by itself; otherwise the player clicks.
  std::optional<DiscardChoice> ChooseDiscard(TableState& state, int seat) override;

 private:
  Sounds& sounds_;
};

}  // namespace mj::engine
