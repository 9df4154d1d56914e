#include "engine/wall_message.h"

#include <gtest/gtest.h>

#include "common/random_source.h"

namespace mj::engine {
namespace {

WallMessage SomeWall() {
  SeededRandom random(11);
  return {BuildWall(random, 2), 37};
}

TEST(WallMessage, RoundTripsExactly) {
  const WallMessage wall = SomeWall();
  const std::string text = FormatWallMessage(wall.wall, wall.breakPos);
  ASSERT_EQ(text.size(), 412u);
  EXPECT_EQ(text.substr(text.size() - 4), ",037");
  auto parsed = ParseWallMessage(text);
  ASSERT_TRUE(parsed.ok()) << parsed.status().message();
  EXPECT_EQ(parsed->wall, wall.wall);
  EXPECT_EQ(parsed->breakPos, 37);
  EXPECT_EQ(FormatWallMessage(parsed->wall, parsed->breakPos), text);
  EXPECT_EQ(FormatHandStartMessage(7), "B007");
}

TEST(WallMessage, RefusesWhatIsNotAWall) {
  const WallMessage wall = SomeWall();
  const std::string good = FormatWallMessage(wall.wall, wall.breakPos);
  struct Row {
    const char* name;
    std::string text;
  };
  std::string fiveCopies = good;
  fiveCopies.replace(1, 2, good.substr(4, 2) == "01" ? "02" : "01");
  std::string unknownCode = good;
  unknownCode.replace(1, 2, "35");
  std::string evenBreak = good;
  evenBreak.replace(good.size() - 3, 3, "036");
  std::string noComma = good;
  noComma[3] = ';';
  const Row rows[] = {
      {"empty", ""},
      {"wrong letter", "X" + good.substr(1)},
      {"short", good.substr(0, 411)},
      {"a kind held five times", fiveCopies},
      {"unknown code", unknownCode},
      {"even break position", evenBreak},
      {"missing separator", noComma},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    auto parsed = ParseWallMessage(r.text);
    EXPECT_FALSE(parsed.ok());
    EXPECT_FALSE(parsed.status().message().empty());
  }
}

TEST(WallMessage, GuestTurnsTheHostWallToItsOwnSide) {
  const WallMessage host = SomeWall();
  struct Row {
    int lanHostSeat;
    int hostIndexOneAt;  // where the host's index 1 lands
    int breakPos;
  };
  const Row rows[] = {{2, 103, WallOffset(37, 102)}, {3, 69, WallOffset(37, 68)}, {4, 35, WallOffset(37, 34)}};
  for (const Row& r : rows) {
    SCOPED_TRACE(r.lanHostSeat);
    const WallMessage guest = RotateHostWall(host, r.lanHostSeat);
    EXPECT_EQ(guest.wall[static_cast<std::size_t>(r.hostIndexOneAt)], host.wall[1]);
    EXPECT_EQ(guest.breakPos, r.breakPos);
    // The host's own side (1-34) lies in front of the seat where the host sits.
    for (int i = 1; i <= 34; ++i) {
      EXPECT_EQ(SideOwner(WallOffset(i, WallShiftForHostSeat(r.lanHostSeat))), r.lanHostSeat);
    }
    // The break lands on the same physical tile, so both deal the same hands.
    EXPECT_EQ(guest.wall[static_cast<std::size_t>(guest.breakPos)], host.wall[37]);
  }
}

}  // namespace
}  // namespace mj::engine
