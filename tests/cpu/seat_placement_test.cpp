#include "cpu/seat_placement.h"

#include <gtest/gtest.h>

#include "tests/cpu/cpu_fixtures.h"

namespace mj::cpu {
namespace {

using namespace test;

TEST(SeatPlacement, EqualScoresShareTheBetterPlace) {
  TableState s = CpuTable(1, "");
  SetScore(s, 1, 30000);
  SetScore(s, 2, 30000);
  SetScore(s, 3, 20000);
  SetScore(s, 4, 20000);
  EXPECT_EQ(SeatPlacement(s, 1), 1);
  EXPECT_EQ(SeatPlacement(s, 2), 1);
  EXPECT_EQ(SeatPlacement(s, 3), 3);
  EXPECT_EQ(SeatPlacement(s, 4), 3);
  SetScore(s, 4, -100);
  EXPECT_EQ(SeatPlacement(s, 4), 4);
}

}  // namespace
}  // namespace mj::cpu
