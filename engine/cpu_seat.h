#pragma once
// A CPU seat: its discards, riichi and calls come from the CPU players'
// decisions, its random choices from the table's one generator.
#include "common/random_source.h"
#include "engine/seat_controller.h"

namespace mj::engine {

class CpuSeat final : public SeatController {
 public:
  explicit CpuSeat(RandomSource& random) : random_(random) {}
  int Respond(TableState& state, int seat) override;
  std::optional<DiscardChoice> ChooseDiscard(TableState& state, int seat) override;

 private:
  RandomSource& random_;
};

}  // namespace mj::engine
