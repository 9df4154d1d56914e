#include "engine/state/seat_helpers.h"

#include <gtest/gtest.h>

#include "engine/state/tile_types.h"

namespace mj {
namespace {

TEST(SeatHelpers, WindsFollowTheDealer) {
  struct Row {
    int seat, dealer, wind;
  };
  const Row rows[] = {{1, 1, 1}, {2, 1, 2}, {4, 1, 4}, {1, 2, 4}, {2, 2, 1}, {1, 4, 2}, {3, 4, 4}};
  for (const Row& r : rows) EXPECT_EQ(SeatWind(r.seat, r.dealer), r.wind) << r.seat << " dealer " << r.dealer;
  EXPECT_EQ(NextSeat(4), 1);
  EXPECT_EQ(RoundWind(4), 1);
  EXPECT_EQ(RoundWind(5), 2);
  EXPECT_EQ(HandInRound(5), 1);
  EXPECT_EQ(RoundWind(16), 4);
  EXPECT_EQ(RoundWindTile(9), kWest);
}

TEST(SeatHelpers, LanGuestsRenumberFromTheirOwnSeat) {
  // Lobby seat n of the host is the host's seat n; each guest is its own seat 1.
  struct Row {
    const char* name;
    int lanHostSeat;  // guest at lobby seat 2 has 4, lobby 3 has 3, lobby 4 has 2
    int hostSeat;
    int localSeat;
  };
  const Row rows[] = {
      {"lobby-2 guest sees itself as seat 1", 4, 2, 1},
      {"lobby-2 guest sees the host at seat 4", 4, 1, 4},
      {"lobby-4 guest sees the lobby-1 dealer at seat 2", 2, 1, 2},
      {"lobby-3 guest sees lobby 4 at its right", 3, 4, 2},
      {"the host keeps its numbering", 1, 3, 3},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    EXPECT_EQ(LocalSeatFromHost(r.hostSeat, r.lanHostSeat), r.localSeat);
    EXPECT_EQ(HostSeatFromLocal(r.localSeat, r.lanHostSeat), r.hostSeat);
  }
}

TEST(SeatHelpers, WallIsARing) {
  EXPECT_EQ(WallNext(136), 1);
  EXPECT_EQ(WallPrev(1), 136);
  EXPECT_EQ(WallOffset(5, -6), 135);
  EXPECT_EQ(WallOffset(125, 52), 41);
  EXPECT_EQ(SideOwner(34), 1);
  EXPECT_EQ(SideOwner(35), 4);
  EXPECT_EQ(SideOwner(102), 3);
  EXPECT_EQ(SideOwner(136), 2);
}

TEST(TileTypes, RedFivesFoldToTheirKind) {
  EXPECT_EQ(TileKind(kRedFiveMan), 5);
  EXPECT_EQ(TileKind(kRedFivePin), 14);
  EXPECT_EQ(TileKind(kRedFiveSou), 23);
  EXPECT_EQ(TileKind(23), 23);
  EXPECT_TRUE(IsRedFive(55));
  EXPECT_FALSE(IsRedFive(34));
  EXPECT_FALSE(IsValidTileCode(35));
  EXPECT_FALSE(IsValidTileCode(0));
  EXPECT_TRUE(IsTerminal(19));
  EXPECT_FALSE(IsTerminal(28));
}

}  // namespace
}  // namespace mj
