#pragma once
// What the engine notes as play goes on for the local yaku that depend on
// how a hand was played: the kans of the current turn and the last copy
// waited on at a riichi. The turn cycle sets discardAfterKan itself, at the
// replacement draw; the riichi's fixing discard asks for the last copy.
#include "engine/state/table_state.h"

namespace mj::engine {

// A kan of the kind was declared: one more in this turn's run, and whether
// it was of 中. The tile added to a kan is robbed, not discarded, so a
// discard after an earlier replacement draw no longer follows.
void NoteKanDeclared(TableState& state, TileCode kind);

// The discard on offer has been checked for wins: the turn is over, and with
// it the run of kans and the discard after a kan.
void NoteTurnPassed(TableState& state);

// As the declaring discard fixes the seat's riichi (the tile already in the
// river): with 絶張和 in force, lastCopyWin marks a seat that waits on
// exactly one kind of which one copy is left unseen by it.
void NoteRiichiWait(TableState& state, int seat);

}  // namespace mj::engine
