#pragma once
// The seam between the win checks and the yaku evaluation: the checks decide
// who may try to win, the evaluator decides whether the hand is a valid win
// and fills the seat's yaku list.
#include "engine/state/table_state.h"

namespace mj::hand {

constexpr int kTsumoWin = 0;  // self-drawn, the tile in position 14
constexpr int kRonWin = 1;    // on a discard or a robbed kan

// Added to a yaku code that the hand holds but did not hold before the
// winning tile (先付けなし, open hands).
constexpr YakuCode kNotFixedMark = 1000;
// The only entry of a furiten seat's list; also a chombo.
constexpr YakuCode kFuritenCode = 199;

class WinEvaluator {
 public:
  virtual ~WinEvaluator() = default;
  // winKind is kTsumoWin or kRonWin; position 14 holds the winning tile.
  virtual bool EvaluateWin(TableState& state, int seat, int winKind) = 0;
};

}  // namespace mj::hand
