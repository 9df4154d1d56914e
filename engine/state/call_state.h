#pragma once
// Calls: the options the last search found for each seat, the discards a
// call forbids next, who is liable for whose yakuman, and the melds in the
// order they were made. Cleared with the rest of the hand.
#include <array>
#include <cstdint>

#include "engine/state/seat_helpers.h"
#include "engine/state/tile_types.h"

namespace mj {

constexpr int kChiOptionSlots = 3;
constexpr int kKanOptionSlots = 4;
constexpr int kMeldSlots = 4;

enum class KanType : std::int16_t { None = 0, Open = 1, Concealed = 2, Added = 3 };

// option 1-3, entry 1-2 ([0] unused in both).
using ChiOptionTable = std::array<std::array<TileCode, 3>, kChiOptionSlots + 1>;
// set 1-4; entries 1-3 the kinds, ascending; entry 4 the kind again for a kan.
using CalledSetTable = std::array<std::array<TileCode, 5>, kMeldSlots + 1>;

struct CallState {
  // Filled by the option search, per seat so every seat's answer can be read
  // while the tile is on offer.
  PerSeat<ChiOptionTable> chiOptionTiles{};  // the two hand kinds of each chi option
  PerSeat<ChiOptionTable> chiForbidden{};    // kinds not to discard after that option; 0 none
  PerSeat<std::int16_t> chiOptionCount{};
  PerSeat<std::array<TileCode, kKanOptionSlots + 1>> kanOptions{};  // kinds 1-4
  PerSeat<std::array<KanType, kKanOptionSlots + 1>> kanOptionTypes{};
  PerSeat<std::int16_t> kanOptionCount{};

  // The caller's forbidden discards, read by the discard that follows the call.
  std::array<TileCode, 3> kuikaeBan{};  // 1-2

  // liableSeats[caller][x]: seat x pays for the caller's yakuman.
  PerSeat<PerSeat<bool>> liableSeats{};

  // The called sets in call order (chi, pon, open kan; an added kan grows its pon).
  PerSeat<CalledSetTable> calledSets{};

  // meldTiles is read from position 15 as groups in the order the melds were
  // made: each group's size (3 or 4) and the seat its tile came from (0 for a
  // concealed kan). The called tile is the first of its group.
  PerSeat<std::array<std::int16_t, kMeldSlots + 1>> meldSizes{};
  PerSeat<std::array<std::int16_t, kMeldSlots + 1>> meldFromSeat{};

  // A river tile taken by a call stays in riverTiles; this marks it.
  PerSeat<std::array<bool, 24>> riverTakenByCall{};  // river index 1-23

  std::int16_t kanCount = 0;  // kans made in this hand, all seats
};

}  // namespace mj
