#pragma once
// The win checks the turn cycle runs after every draw and every discard.
#include "engine/state/table_state.h"
#include "hand/win_evaluator.h"

namespace mj::hand {

constexpr int kCheckTsumo = 0;  // currentSeat on its position-14 tile
constexpr int kCheckRon = 1;    // the other seats on the discard (or the robbed kan tile)

// Mode kCheckTsumo or kCheckRon. True when some seat may win; sets canRon,
// winningTile and the winners' yaku lists. A furiten ron stays claimed by a
// human seat (it is settled as a chombo) and is dropped by a CPU seat.
bool CheckWins(TableState& state, int mode, WinEvaluator& evaluator);

// Empties what one evaluation leaves for a seat: its yaku list and lines,
// the value set and dora counts, the mangan flags and kokushi13Wait.
void ClearWinOutputs(TableState& state, int seat);

// Under 先付けなし: the list holds a yaku that needs neither the last tile, a
// replacement tile, a robbed kan nor dora and was fixed before the winning
// tile, or a mangan-class yaku that stands on its own.
bool IsFixedYakuList(const TableState& state, int seat);

// Turns every code + 1000 of the seat's list back into its code.
void StripNotFixedMarks(TableState& state, int seat);

}  // namespace mj::hand
