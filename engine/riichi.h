#pragma once
// Riichi on the table state: who may declare it, the stake, and what the
// declaring discard fixes. The table wraps these with its sounds and view.
#include "engine/state/table_state.h"

namespace mj::engine {

constexpr int kOpenRiichiYaku = 111;  // オープン立直
constexpr int kLastCopyYaku = 103;    // 絶張和

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

// The seat pays 1000 points onto the table (its score may go negative) and
// its declaration is out, as a normal riichi.
void PayRiichiStake(TableState& state, int seat);
// The declaration is taken back with its 1000 points.
void ReturnRiichiStake(TableState& state, int seat);

// The declaring tile has just gone to the seat's river: the riichi entry is
// recorded, the river index fixed, double riichi, ippatsu and the pending
// stake set, the safe tiles rebuilt and 絶張和 marked.
void FixRiichi(TableState& state, int seat);

// The kinds safe against every seat in riichi, after the seat declared: its
// own river's kinds in river order, less any a seat already in riichi could
// still win on.
void RebuildRiichiSafeTiles(TableState& state, int seat);

// A discard made while some seat is in riichi is safe from then on.
void AddRiichiSafeTile(TableState& state, TileCode tile);

bool AnySeatInRiichi(const TableState& state);

}  // namespace mj::engine
