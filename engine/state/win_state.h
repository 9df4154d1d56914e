#pragma once
// What hand reading and the win evaluation leave behind for scoring,
// settlement and the result window.
#include <array>
#include <cstdint>

#include "engine/state/seat_helpers.h"
#include "engine/state/tile_types.h"

namespace mj {

constexpr int kYakuSlots = 12;  // slots 0-11
constexpr int kResultRow = 5;   // yakuList row 5: the copy the result window shows

// A yaku code in a slot: 1-45 standard, 50-52 dora, 101-141 local, 151-156
// endings, 198/199 chombo, +1000 for a yaku not fixed before the winning
// tile; 0 ends the list.
using YakuCode = std::int16_t;
using YakuRow = std::array<YakuCode, kYakuSlots>;
// Sets 1-4; positions 1-3 the kinds in ascending order, 4 the kind again for a kan.
using DecompSets = std::array<std::array<TileCode, 5>, 5>;
using ConcealedSets = std::array<std::array<TileCode, 4>, 5>;

struct WinState {
  std::array<YakuRow, kResultRow + 1> yakuList{};  // rows 1-4 the seats, 5 the shown copy
  PerSeat<std::int16_t> yakuhaiCount{};
  PerSeat<std::int16_t> doraCount{};
  PerSeat<std::int16_t> uraCount{};
  PerSeat<std::int16_t> redCount{};
  PerSeat<std::array<bool, 10>> manganYakuFlags{};  // flags 1-9
  PerSeat<bool> kokushi13Wait{};
  PerSeat<std::int16_t> handFu{};

  DecompSets decompSets{};
  ConcealedSets concealedSets{};
  TileCode decompPair = 0;

  TileCode winningTile = 0;
  bool robbingKan = false;  // the evaluation is for robbing a kan
  TileCode robbedKanTile = 0;
};

}  // namespace mj
