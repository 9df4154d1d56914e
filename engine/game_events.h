#pragma once
// What happens at the table, move by move, for logs that keep more than the
// text record does (the tiles of every call, the kind of every kan).
#include "engine/execute_call.h"
#include "engine/final_result.h"
#include "engine/state/table_state.h"

namespace mj::engine {

class GameEvents {
 public:
  virtual ~GameEvents() = default;
  // The hand is dealt; scores are those it starts from.
  virtual void HandStarted(const TableState& /*state*/) {}
  // A live or replacement draw into the seat's drawn position.
  virtual void Drawn(const TableState& /*state*/, int /*seat*/, TileCode /*tile*/) {}
  // fromDrawn: the drawn tile itself; riichi: the discard declares riichi.
  virtual void Discarded(const TableState& /*state*/, int /*seat*/, TileCode /*tile*/, bool /*fromDrawn*/,
                         bool /*riichi*/) {}
  virtual void Called(const TableState& /*state*/, int /*seat*/, const CallResult& /*call*/) {}
  // A settlement of the seat is done (pointDeltas hold its transfers).
  virtual void Settled(const TableState& /*state*/, int /*seat*/) {}
  // The hand is over, before the dealer moves.
  virtual void HandEnded(const TableState& /*state*/) {}
  virtual void GameEnded(const TableState& /*state*/, const FinalResult& /*result*/) {}
};

}  // namespace mj::engine
