#pragma once
// Small tables for the CPU tests: one seat's hand, scores, rivers and a
// random source that answers from a script.
#include <string_view>
#include <utility>
#include <vector>

#include "common/random_source.h"
#include "engine/state/table_state.h"
#include "tests/engine/call_fixtures.h"
#include "tests/support/tile_notation.h"

namespace mj::cpu::test {

using namespace mj::test;

// Answers each RandomBetween with the next scripted value, then with low.
class ScriptedRandom final : public RandomSource {
 public:
  explicit ScriptedRandom(std::vector<int> values = {}) : values_(std::move(values)) {}
  int RandomBetween(int low, int high) override {
    asked.emplace_back(low, high);
    return next_ < values_.size() ? values_[next_++] : low;
  }
  std::vector<std::pair<int, int>> asked;

 private:
  std::vector<int> values_;
  std::size_t next_ = 0;
};

// Seat `seat` holds the tiles; every seat has 25000, seat 1 deals the first
// hand of the east round, the live wall has 60 tiles, no dora is showing.
inline TableState CpuTable(int seat, std::string_view hand) {
  TableState s;
  s.wallRemaining = 60;
  s.handNumber = 1;
  s.dealerSeat = 1;
  s.currentSeat = static_cast<std::int16_t>(seat);
  s.turnStep = static_cast<std::int16_t>(2 * seat);
  for (int k = 1; k <= kSeats; ++k) {
    Player& p = s.players[static_cast<std::size_t>(k)];
    p.score = Money::FromPoints(25000);
    p.seatWind = static_cast<std::int16_t>(SeatWind(k, 1));
    p.isCpu = true;
  }
  SetHand(s, seat, hand);
  return s;
}

inline void SetScore(TableState& s, int seat, int points) {
  s.players[static_cast<std::size_t>(seat)].score = Money::FromPoints(points);
}

// The seat declared riichi with the river's tile at riverIndex.
inline void SetRiichi(TableState& s, int seat, int riverIndex) {
  s.riichiTurn[static_cast<std::size_t>(seat)] = static_cast<std::int16_t>(riverIndex);
}

inline void SetDoraIndicator(TableState& s, std::string_view tile) { s.doraIndicators[1] = Tile(tile); }

// The tile at a hand position, as notation.
inline std::string TileAt(const TableState& s, int seat, int position) {
  return Notation({s.handTiles[static_cast<std::size_t>(seat)][static_cast<std::size_t>(position)]});
}

}  // namespace mj::cpu::test
