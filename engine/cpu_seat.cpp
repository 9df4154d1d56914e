#include "engine/cpu_seat.h"

#include "cpu/call_decision.h"
#include "cpu/cpu_discard.h"

namespace mj::engine {

int CpuSeat::Respond(TableState& state, int seat) { return cpu::DecideCall(state, seat); }

std::optional<DiscardChoice> CpuSeat::ChooseDiscard(TableState& state, int seat) {
  const cpu::CpuDiscard d = cpu::DecideCpuDiscard(state, seat, random_);
  return DiscardChoice{d.position, d.riichi, d.openRiichi};
}

}  // namespace mj::engine
