#pragma once
// What one discard decision reads again and again, built once at its start:
// the counts by kind, the dora, the unseen copies and the seat's standing.
#include "common/random_source.h"
#include "cpu/dora_kinds.h"
#include "cpu/unseen_table.h"
#include "engine/state/table_state.h"

namespace mj::cpu {

struct DiscardContext {
  DiscardContext(TableState& state, int seat, RandomSource& random);

  TableState& state;
  int seat;
  RandomSource& random;
  DoraKinds dora;
  UnseenTable unseen;            // the seat's own concealed tiles not subtracted
  TileCounts concealedCounts{};  // positions 1-14, less one copy of each kind the last call forbids
  TileCounts tileCounts{};       // the hand with its melds, a kan as 3
  int melds = 0;
  int pairKinds = 0;
  int edgePairKinds = 0;  // pairs among the 1, 2, 8, 9 of a suit and the honours
  int placement = 1;

  std::int16_t& handPlan() { return state.handPlan[static_cast<std::size_t>(seat)]; }
  const HandRow& hand() const { return state.handTiles[static_cast<std::size_t>(seat)]; }
  TileCode TileAt(int position) const { return hand()[static_cast<std::size_t>(position)]; }
  int Held(TileCode kind) const { return concealedCounts[static_cast<std::size_t>(kind)]; }
  bool IsDealer() const { return state.dealerSeat == seat; }
  // A scan in a random direction: true scans from the high end down.
  bool HighEndFirst() { return random.RandomBetween(0, 1) == 1; }
};

// The kind the call just made forbids discarding next (kuikae).
bool IsForbiddenAfterCall(const TableState& state, TileCode tile);

}  // namespace mj::cpu
