#include "engine/cpu_seat.h"

#include <gtest/gtest.h>

#include "tests/engine/table_fixture.h"

namespace mj::engine {
namespace {

struct CpuGame {
  std::vector<int> settled;  // the winners, hand by hand
  std::vector<int> calls;
  PerSeat<std::int64_t> scores{};
  int hands = 0;
  bool operator==(const CpuGame&) const = default;
};

// A whole game of four CPU seats sharing the table's generator.
CpuGame PlayCpuGame(std::uint32_t seed) {
  test::TableFixture f(seed);
  CpuSeat cpu(f.random);
  for (int seat = 1; seat <= kSeats; ++seat) f.table.SetSeatController(seat, cpu);
  f.table.OpenTable();
  EXPECT_TRUE(f.RunToEnd()) << f.lastViolation;
  CpuGame game{f.view.settled, f.view.calls, {}, f.view.handsEnded};
  for (int seat = 1; seat <= kSeats; ++seat) {
    game.scores[static_cast<std::size_t>(seat)] = f.State().players[static_cast<std::size_t>(seat)].score.WholePoints();
  }
  return game;
}

TEST(CpuSeat, FourCpusPlayAWholeGameAndTheSeedReplaysIt) {
  for (std::uint32_t seed : {1u, 2u, 97u}) {
    SCOPED_TRACE(seed);
    const CpuGame first = PlayCpuGame(seed);
    EXPECT_GT(first.hands, 0);
    EXPECT_FALSE(first.settled.empty());
    EXPECT_TRUE(first == PlayCpuGame(seed));
  }
}

}  // namespace
}  // namespace mj::engine
