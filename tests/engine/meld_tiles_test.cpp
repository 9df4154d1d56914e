#include "engine/meld_tiles.h"

#include <gtest/gtest.h>

#include "tests/engine/call_fixtures.h"

namespace mj::engine {
namespace {

TEST(MeldTiles, TakesTheFirstTileOfTheKindWithItsRealCode) {
  TableState s;
  test::SetHand(s, 1, "0m5m5m1z");
  EXPECT_EQ(HeldInHand(s, 1, 5, kHandPositions), 3);
  EXPECT_EQ(TakeFromHand(s, 1, 5, kHandPositions), kRedFiveMan);
  EXPECT_EQ(TakeFromHand(s, 1, 5, kHandPositions), 5);
  EXPECT_EQ(TakeFromHand(s, 1, 9, kHandPositions), 0);
  EXPECT_EQ(test::HandText(s, 1), "5m1z");
}

TEST(MeldTiles, TheDrawnTileFillsTheFirstFreedPosition) {
  TableState s;
  test::SetHand(s, 1, "1m2m3m");
  s.handTiles[1][2] = 0;
  s.handTiles[1][14] = test::Tile("7z");
  MoveDrawnTileIntoHand(s, 1);
  EXPECT_EQ(s.handTiles[1][2], test::Tile("7z"));
  EXPECT_EQ(s.handTiles[1][14], 0);
}

TEST(MeldTiles, AnAddedKanJoinsItsPonAndTheLaterMeldsMoveOn) {
  TableState s;
  AppendMeld(s, 2, {test::Tile("3p"), test::Tile("4p"), test::Tile("5p")}, 1);
  AppendMeld(s, 2, {test::Tile("5p"), test::Tile("5p"), test::Tile("0p")}, 4);
  AppendMeld(s, 2, {test::Tile("9s"), test::Tile("9s"), test::Tile("9s"), test::Tile("9s")}, 0);
  AddCalledSet(s, 2, {test::Tile("5p"), test::Tile("3p"), test::Tile("4p")});
  AddCalledSet(s, 2, {test::Tile("5p"), test::Tile("5p"), test::Tile("5p")});
  // The chi holds a 5p too: only the group that is all 5p is the pon.
  GrowPonIntoKan(s, 2, test::Tile("5p"), test::Tile("5p"));
  EXPECT_EQ(test::MeldText(s, 2), "3p4p5p5p5p0p5p9s9s9s9s");
  EXPECT_EQ(s.meldSizes[2], (std::array<std::int16_t, 5>{0, 3, 4, 4, 0}));
  EXPECT_EQ(s.meldFromSeat[2], (std::array<std::int16_t, 5>{0, 1, 4, 0, 0}));
  EXPECT_EQ(test::Notation({s.calledSets[2][1][1], s.calledSets[2][1][2], s.calledSets[2][1][3], s.calledSets[2][1][4]}),
            "3p4p5p_");
  EXPECT_EQ(s.calledSets[2][2][4], test::Tile("5p"));
}

TEST(MeldTiles, KindSlotsFillInOrderAndCloseUp) {
  KindSlots slots{};
  AddKindSlot(slots, 3);
  AddKindSlot(slots, 7);
  AddKindSlot(slots, 9);
  RemoveKindSlot(slots, 7);
  EXPECT_EQ(slots, (KindSlots{0, 3, 9, 0, 0}));
}

}  // namespace
}  // namespace mj::engine
