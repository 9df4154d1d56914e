#pragma once
// Who may declare riichi now. Kept with the table state so that every layer
// that decides for a seat (the CPU, the human's buttons, the turn cycle)
// asks the same question.
#include "engine/state/table_state.h"

namespace mj {

constexpr int kOpenRiichiYaku = 111;  // オープン立直
constexpr Money kRiichiStake = Money::FromPoints(1000);

// The one test for a riichi, whoever asks (seat 1's button, a CPU's discard
// choice): the seat is the one to discard and holds a drawn tile, is not in
// riichi and has no declaration out, has not called, at least four live
// tiles remain, no other seat is in open riichi, and rule 9 (ハコテン終了) is
// off or the seat has 1000 points to pay.
bool RiichiAllowed(const TableState& state, int seat);

// The seat's stick is out and its declaring tile not yet discarded: a second
// declaration now takes it back.
bool RiichiDeclarationPending(const TableState& state, int seat);

// The seat is in riichi with its hand open to everyone.
bool InOpenRiichi(const TableState& state, int seat);

// An open riichi may be chosen: local yaku 111 is in force and the seat has
// discarded before.
bool OpenRiichiAvailable(const TableState& state, int seat);

}  // namespace mj
