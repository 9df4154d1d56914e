#pragma once
// The wall: building it, the break, the deal, and the dead wall with its dora
// indicators and replacement tiles.
#include <array>

#include "common/random_source.h"
#include "engine/state/table_state.h"

namespace mj::engine {

using Wall = std::array<TileCode, kWallSize + 1>;  // indices 1-136

// 136 tiles in wall order; redFivesPerSuit (rule 38, 0-4) fives of each suit
// become red.
Wall BuildWall(RandomSource& random, int redFivesPerSuit);

// dice1, diceSeat, dice2 and breakPos from the dealer.
void ThrowDice(TableState& state, RandomSource& random);

// Thirteen tiles to each seat from breakPos upwards; sets nextDrawPos and
// turnStep (the dealer draws first).
void DealHands(TableState& state);

// Wall index of dora indicator slot k (1-5); its ura indicator is the next index.
int DoraIndicatorPos(int breakPos, int slot);
// Number of kans on the table, open and concealed, all seats.
int CountKans(const TableState& state);
// Wall index of the next replacement tile.
int ReplacementTilePos(const TableState& state);

// The dora named by an indicator under rule 4 = 2 (ネクスト); 0 otherwise.
TileCode NextDoraKind(TileCode indicator, const RuleSet& rules);

// Flips the next indicator (and its ura under rule 18); returns the slot, or
// 0 when all five are shown.
int FlipDoraIndicator(TableState& state);

enum class ReplacementOutcome { Drawn, IndicatorOnly, FourKanAbort };

// What the kan replacement draw did, so the caller can show and record it.
struct ReplacementDraw {
  ReplacementOutcome outcome = ReplacementOutcome::Drawn;
  int flippedSlot = 0;  // indicator turned face up by this draw, 0 none
};

// The kan replacement draw. indicatorOnly runs only the dead-wall part (rule
// 55's second indicator at the deal). Raises fourKanAbort and draws nothing
// when the kans on the table end the hand.
ReplacementDraw DrawReplacementTile(TableState& state, int seat, bool indicatorOnly);

}  // namespace mj::engine
