#pragma once
// Small tables for the call tests: a hand or two, a river, one tile on offer.
#include <string>
#include <string_view>
#include <vector>

#include "engine/state/table_state.h"
#include "tests/support/tile_notation.h"

namespace mj::test {

// Appends tiles to a seat's river.
inline void AddToRiver(TableState& s, int seat, std::string_view tiles) {
  const auto i = static_cast<std::size_t>(seat);
  for (TileCode t : Tiles(tiles)) s.riverTiles[i][static_cast<std::size_t>(++s.riverCount[i])] = t;
}

// discarder has just thrown tile; the live wall still has tiles.
inline TableState TableWithDiscard(int discarder, std::string_view tile) {
  TableState s;
  s.wallRemaining = 40;
  s.currentSeat = static_cast<std::int16_t>(discarder);
  s.turnStep = static_cast<std::int16_t>(2 * discarder);
  AddToRiver(s, discarder, tile);
  return s;
}

// seat holds hand in positions 1.. and has just drawn the tile into position 14.
inline TableState TableOnOwnTurn(int seat, std::string_view hand, std::string_view drawn) {
  TableState s;
  s.wallRemaining = 40;
  s.currentSeat = static_cast<std::int16_t>(seat);
  s.turnStep = static_cast<std::int16_t>(2 * seat - 1);
  SetHand(s, seat, hand);
  s.handTiles[static_cast<std::size_t>(seat)][kDrawnPosition] = Tile(drawn);
  return s;
}

inline std::string HandText(const TableState& s, int seat) {
  const HandRow& row = s.handTiles[static_cast<std::size_t>(seat)];
  std::vector<TileCode> tiles;
  for (int p = 1; p <= kHandPositions; ++p) {
    if (row[static_cast<std::size_t>(p)] != 0) tiles.push_back(row[static_cast<std::size_t>(p)]);
  }
  return Notation(tiles);
}

// meldTiles from position 15 up to the first empty one.
inline std::string MeldText(const TableState& s, int seat) {
  const MeldRow& row = s.meldTiles[static_cast<std::size_t>(seat)];
  std::vector<TileCode> tiles;
  for (int p = kFirstMeldPosition; p <= kLastMeldPosition && row[static_cast<std::size_t>(p)] != 0; ++p) {
    tiles.push_back(row[static_cast<std::size_t>(p)]);
  }
  return Notation(tiles);
}

// What the discard step does to the hand and river, enough to reach the next call.
inline void DiscardFromHand(TableState& s, int seat, std::string_view tile) {
  HandRow& row = s.handTiles[static_cast<std::size_t>(seat)];
  for (int p = 1; p <= kHandPositions; ++p) {
    if (row[static_cast<std::size_t>(p)] != Tile(tile)) continue;
    row[static_cast<std::size_t>(p)] = row[kDrawnPosition];
    row[kDrawnPosition] = 0;
    break;
  }
  AddToRiver(s, seat, tile);
  s.discardAfterCall = false;
  s.kuikaeBan = {};
}

}  // namespace mj::test
