#pragma once
#include "common/dialogs.h"
#include "engine/state/table_state.h"

namespace mj::engine {

// What the end of a hand leaves for the game-over test: the hand and dealer
// from before the dealer moved, the first winner and whether it was a win.
struct HandEnd {
  int handAtEntry = 1;
  int dealerAtEntry = 1;
  int winner = 1;
  bool isWin = false;
};

// Last regular hand of the format (rule 1): 4, 8 or 16.
int LastRegularHand(const RuleSet& rules);
// Rule 1 values 2 and 3 play on past the last regular hand while nobody has
// reached the threshold of rule 50.
bool HasExtension(const RuleSet& rules);

// Decided after the dealer and honba moved (state.handNumber is the next
// hand). Under rule 22 = 1 a human dealer who won the last hand is asked
// whether to stop.
bool GameIsOver(const TableState& state, const HandEnd& end, Dialogs& dialogs);

}  // namespace mj::engine
