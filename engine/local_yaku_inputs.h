#pragma once
// What the engine notes as play goes on for the local yaku that depend on
// how a hand was played: the kans of the current turn and the last copy
// waited on at a riichi. The turn cycle sets discardAfterKan itself, at the
// replacement draw.
#include "engine/state/table_state.h"

namespace mj::engine {

// A kan of the kind was declared: one more in this turn's run, and whether
// it was of 中. The tile added to a kan is robbed, not discarded, so a
// discard after an earlier replacement draw no longer follows.
void NoteKanDeclared(TableState& state, TileCode kind);

// The discard on offer has been checked for wins: the turn is over, and with
// it the run of kans and the discard after a kan.
void NoteTurnPassed(TableState& state);

// At the seat's riichi declaration, its declaring discard already in the
// river: with 絶張和 in force, the seat is marked when it waits on exactly
// one kind of which one copy is left unseen by it.
void NoteRiichiWait(TableState& state, int seat);

}  // namespace mj::engine
