#include "cpu/unseen_table.h"

#include <gtest/gtest.h>

#include "hand/unseen_count.h"
#include "tests/cpu/cpu_fixtures.h"

namespace mj::cpu {
namespace {

using namespace test;

TEST(UnseenTable, AgreesWithTheCountOfOneKind) {
  TableState s = CpuTable(2, "1m1m2m0p5p7s7z7z");
  AddToRiver(s, 1, "1m9p0s");
  AddToRiver(s, 3, "7z3p");
  AddToRiver(s, 4, "3p3p");  // with the pon below, 3p shows five times: below zero
  s.ponKinds[4][1] = Tile("3p");
  s.chiTiles[3][1] = Tile("4s");
  s.chiTiles[3][2] = Tile("0s");
  s.chiTiles[3][3] = Tile("6s");
  s.openKanKinds[1][1] = Tile("8m");
  s.closedKanKinds[3][1] = Tile("2z");
  s.doraIndicators[1] = Tile("1m");
  s.doraIndicators[2] = Tile("0p");
  for (bool ownHandVisible : {false, true}) {
    const UnseenTable table = UnseenTableFor(s, 2, ownHandVisible);
    for (TileCode kind = 1; kind <= kKindCount; ++kind) {
      SCOPED_TRACE(std::to_string(kind) + (ownHandVisible ? " own hand seen" : ""));
      EXPECT_EQ(table(kind), hand::UnseenCount(s, 2, kind, ownHandVisible));
    }
  }
}

}  // namespace
}  // namespace mj::cpu
