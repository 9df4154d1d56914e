#pragma once
// A CPU seat's answer to a tile on offer: chi, pon or kan by fixed tests on
// its plan, value tiles, dora and standing (no search, no randomness), and
// every win it is offered.
#include "engine/state/table_state.h"

namespace mj::cpu {

// For a seat whose may-chi, may-pon or may-kan flag or canRon is set: 1 チー,
// 2 ポン, 3 カン, 4 win, 9 pass. A chi leaves the chosen option in slot 1 of
// the seat's option tables; the seat's handPlan may become the value-call plan.
int DecideCall(TableState& state, int seat);

// The tile the seat answers: the robbed kan tile, the seat's own drawn tile,
// or the last discard.
TileCode TileOnOffer(const TableState& state, int seat);

// Copies a chi option that uses a dora from the hand over option 1.
void PreferDoraChiOption(TableState& state, int seat);

}  // namespace mj::cpu
