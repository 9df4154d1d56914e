#pragma once
// The win evaluation: is the seat's complete hand a valid win, and which yaku
// does it hold?
#include "engine/state/table_state.h"
#include "hand/win_evaluator.h"

namespace mj::hand {

// Position 14 holds the winning tile; winKind is kTsumoWin or kRonWin.
// Rewrites the seat's yakuList row, yakuhaiCount, doraCount, uraCount,
// redCount, manganYakuFlags, kokushi13Wait and the decomposition; a valid win
// also gets its handFu. The list stays filled when the win is not valid.
bool EvaluateWin(TableState& state, int seat, int winKind);

class StandardWinEvaluator final : public WinEvaluator {
 public:
  bool EvaluateWin(TableState& state, int seat, int winKind) override;
};

}  // namespace mj::hand
