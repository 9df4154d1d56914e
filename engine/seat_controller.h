#pragma once
// Who decides for a seat: the CPU, the human at this machine, or a remote LAN
// player. The turn cycle asks every seat the same way and never asks what
// kind of seat it is.
#include <optional>

#include "engine/state/table_state.h"

namespace mj::engine {

// callResponse values.
enum CallAnswer : int {
  kAnswerNone = 0,  // not answered yet: the answer comes later
  kAnswerChi = 1,
  kAnswerPon = 2,
  kAnswerKan = 3,
  kAnswerWin = 4,
  kAnswerPass = 9,
};

// The seat has something to answer on the tile on offer: a call or a win.
inline bool HasOption(const TableState& s, int seat) {
  const auto i = static_cast<std::size_t>(seat);
  return s.mayChi[i] || s.mayPon[i] || s.mayKan[i] || s.canRon[i];
}

struct DiscardChoice {
  int position = kDrawnPosition;  // hand position 1-14
  bool riichi = false;            // declare riichi with this discard (when allowed)
  bool openRiichi = false;        // and make it an open riichi (local yaku 111)
};

class SeatController {
 public:
  virtual ~SeatController() = default;
  // The answer of a seat that has an option on the tile on offer (its
  // may-chi/pon/kan flags or canRon are set): a CallAnswer, kAnswerNone when
  // it will come later (a button, a message).
  virtual int Respond(TableState& state, int seat) = 0;
  // The seat's discard at its discard step, or nullopt when it comes later.
  virtual std::optional<DiscardChoice> ChooseDiscard(TableState& state, int seat) = 0;
};

}  // namespace mj::engine
