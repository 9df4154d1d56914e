#include "cpu/dora_kinds.h"

#include <gtest/gtest.h>

#include "tests/cpu/cpu_fixtures.h"

namespace mj::cpu {
namespace {

using namespace test;

TEST(DoraKinds, FollowTheIndicatorWithinItsGroup) {
  struct Row {
    const char* name;
    const char* indicator;
    int rule4;
    const char* dora;
  } rows[] = {
      {"next", "3m", 2, "4m"},
      {"nine wraps to one", "9p", 2, "1p"},
      {"north wraps to east", "4z", 2, "1z"},
      {"red wraps to white", "7z", 2, "5z"},
      {"white to green", "5z", 2, "6z"},
      {"red five indicator", "0s", 2, "6s"},
      {"indicator itself", "9p", 1, "9p"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    TableState s = CpuTable(1, "");
    s.rules.value[4] = static_cast<std::int16_t>(row.rule4);
    SetDoraIndicator(s, row.indicator);
    const DoraKinds dora = DoraKindsNow(s);
    ASSERT_EQ(dora.count, 1);
    EXPECT_EQ(dora.kinds[0], TileKind(Tile(row.dora)));
    EXPECT_TRUE(IsDoraKind(s, Tile(row.dora)));
  }
}

TEST(DoraKinds, RedFiveIsItsFiveAndTheListStopsAtTheFirstEmptyIndicator) {
  TableState s = CpuTable(1, "");
  s.doraIndicators[1] = Tile("4m");
  s.doraIndicators[3] = Tile("1p");  // after a gap: not read
  EXPECT_TRUE(IsDoraKind(s, Tile("0m")));
  EXPECT_TRUE(IsDoraKind(s, Tile("5m")));
  EXPECT_FALSE(IsDoraKind(s, Tile("2p")));
  s.uraIndicators[1] = Tile("1s");
  EXPECT_FALSE(IsDoraKind(s, Tile("2s")));
}

}  // namespace
}  // namespace mj::cpu
