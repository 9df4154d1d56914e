#pragma once
// A table state built around one winning hand, for the hand calculator, the
// tests and the benchmarks: the seat's tiles and melds, the winds, the riichi
// and timing flags, the dora indicators. Everything else is a quiet mid-hand
// table (the seat has discarded, someone has called, tiles remain in the wall).
#include <cstdint>
#include <vector>

#include "common/result.h"
#include "engine/state/table_state.h"

namespace mj::hand {

enum class MeldType : std::uint8_t { Chi, Pon, Kan, AddedKan, ClosedKan };

struct MeldSpec {
  MeldType type = MeldType::Chi;
  std::vector<TileCode> tiles;  // real codes, red fives included
};

struct WinSituation {
  int seat = 1;
  std::vector<TileCode> hand;  // the concealed tiles, the winning tile among them
  TileCode winningTile = kNoTile;
  std::vector<MeldSpec> melds;
  bool tsumo = false;
  bool riichi = false;
  bool doubleRiichi = false;
  bool ippatsu = false;
  bool openRiichi = false;
  bool dealer = false;
  TileCode roundWind = kEast;
  TileCode seatWind = kNoTile;  // none given: 東 for the dealer, 南 otherwise
  std::vector<TileCode> doraIndicators;
  std::vector<TileCode> uraIndicators;
  int honba = 0;
  int deposits = 0;
  bool haitei = false;
  bool houtei = false;
  bool rinshan = false;
  bool chankan = false;
  bool tenhou = false;
  bool chiihou = false;
  bool renhou = false;
  // How the hand was played, for the local yaku that read it.
  bool afterKan = false;      // the discard won on followed its discarder's replacement draw
  int kanRun = 0;             // kans in a row before the replacement tile; a rinshan win has at least 1
  bool redDragonKan = false;  // the kan before the replacement tile was of 中
  bool lastCopy = false;      // at its riichi the seat waited on the last unseen copy of one kind
};

// Rebuilds the state for the situation under the state's rules (set them
// first). A contradiction or an impossible hand is an error naming it; the
// state is then not to be used.
Status SetUpWin(TableState& state, const WinSituation& situation);

// Everything but the tiles: for a state whose seat already holds its hand
// (the winning tile in position 14) and melds, on a fresh table. The
// situation's hand, winning tile and melds are not read.
Status ApplyWinConditions(TableState& state, const WinSituation& situation);

// The seat that discarded the tile a ron is won on: the one opposite.
int DiscarderFor(int seat);

}  // namespace mj::hand
