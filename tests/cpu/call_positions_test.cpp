#include "cpu/call_positions.h"

#include <gtest/gtest.h>

#include "tests/cpu/cpu_fixtures.h"

namespace mj::cpu {
namespace {

using namespace test;

TEST(CallMessagePositions, NameTheHandTilesOfTheFirstOption) {
  TableState s = CpuTable(2, "1m3m0p5p5p5p7p9s");
  s.chiOptionTiles[2][1] = {0, Tile("3m"), Tile("1m")};
  s.kanOptions[2][1] = Tile("5p");
  const CallPositions chi = CallMessagePositions(s, 2, 1);
  EXPECT_EQ(chi.chi[1], 2);
  EXPECT_EQ(chi.chi[2], 1);
  EXPECT_EQ(chi.kanCount, 0);
  const CallPositions kan = CallMessagePositions(s, 2, 3);
  ASSERT_EQ(kan.kanCount, 4);
  EXPECT_EQ(kan.kan[1], 3);  // the red five counts as its five
  EXPECT_EQ(kan.kan[4], 6);
  EXPECT_EQ(CallMessagePositions(s, 2, 9).kanCount, 0);
}

}  // namespace
}  // namespace mj::cpu
