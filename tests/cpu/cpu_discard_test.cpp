#include "cpu/cpu_discard.h"

#include <gtest/gtest.h>

#include "cpu/open_riichi_waits.h"
#include "tests/cpu/cpu_fixtures.h"

namespace mj::cpu {
namespace {

using namespace test;

// Seat 2: throwing 5p (position 13) leaves 57p on 6p with the best score.
TableState ReadyHand() {
  TableState s = CpuTable(2, "123m456s111z22s057p");
  AddToRiver(s, 3, "5p5p");
  AddToRiver(s, 2, "2s");
  return s;
}

TEST(CpuDiscard, ARiichiIsDeclaredOnlyWhenTheTableAllowsIt) {
  struct Row {
    const char* name;
    void (*setup)(TableState&);
    bool riichi;
  } rows[] = {
      {"allowed", [](TableState&) {}, true},
      {"900 points under rule 9",
       [](TableState& s) {
         s.rules.value[9] = 1;
         SetScore(s, 2, 900);
       },
       false},
      {"900 points without rule 9", [](TableState& s) { SetScore(s, 2, 900); }, true},
      {"another seat in open riichi",
       [](TableState& s) {
         SetHand(s, 1, "19m19p19s1234567z");  // waits on all thirteen: 5p is safe
         SetRiichi(s, 1, 1);
         s.openRiichi[1] = true;
       },
       false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    TableState s = ReadyHand();
    row.setup(s);
    ScriptedRandom random({1, 1});
    const CpuDiscard d = DecideCpuDiscard(s, 2, random);
    EXPECT_EQ(d.position, 13);
    EXPECT_EQ(d.riichi, row.riichi);
    EXPECT_FALSE(d.openRiichi);
  }
}

TEST(CpuDiscard, OneRiichiInTenIsOpenWhenTheLocalYakuIsOn) {
  struct Row {
    const char* name;
    bool yaku111;
    int earlierDiscards;
    int draw;
    bool open;
  } rows[] = {
      {"90 opens", true, 1, 90, true},
      {"89 stays closed", true, 1, 89, false},
      {"not on the first discard", true, 0, 99, false},
      {"not without the yaku", false, 1, 99, false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    TableState s = ReadyHand();
    s.riverTiles[2] = {};
    s.riverCount[2] = 0;
    if (row.earlierDiscards > 0) AddToRiver(s, 2, "9m");
    if (row.yaku111) s.rules.SetLocalYaku(111, 1);
    ScriptedRandom random({1, 1, row.draw});
    const CpuDiscard d = DecideCpuDiscard(s, 2, random);
    EXPECT_TRUE(d.riichi);
    EXPECT_EQ(d.openRiichi, row.open);
  }
}

TEST(CpuDiscard, PassiveAndRiichiSeatsThrowTheirDraw) {
  for (bool inRiichi : {false, true}) {
    SCOPED_TRACE(inRiichi ? "in riichi" : "rule 56");
    TableState s = CpuTable(2, "123m456p789s111z5z5z");  // complete on the draw
    if (inRiichi)
      SetRiichi(s, 2, 3);
    else
      s.rules.value[56] = 1;
    ScriptedRandom random;
    const CpuDiscard d = DecideCpuDiscard(s, 2, random);
    EXPECT_EQ(d.position, kDrawnPosition);
    EXPECT_FALSE(d.riichi);
    EXPECT_TRUE(random.asked.empty());
  }
}

TEST(CpuDiscard, AnOpenHandReadyToWinRedrawsItsDiscardByItsPlan) {
  // Chi 123m; throwing 白 leaves 3p waiting (4 unseen: 40), throwing 3p
  // leaves 白 (three already out: 20), so the opinion names 白. The
  // characters plan throws the circle instead; without a plan the opinion stands.
  for (std::int16_t plan : {kPlanCharacters, kPlanNone}) {
    SCOPED_TRACE(plan);
    TableState s = CpuTable(2, "456m789m111z5z3p");
    s.hasCalled[2] = true;
    s.chiTiles[2][1] = Tile("1m");
    s.chiTiles[2][2] = Tile("2m");
    s.chiTiles[2][3] = Tile("3m");
    AddToRiver(s, 3, "5z5z5z");
    s.handPlan[2] = plan;
    ScriptedRandom random({1, 1, 0});
    const CpuDiscard d = DecideCpuDiscard(s, 2, random);
    EXPECT_FALSE(d.riichi);
    EXPECT_EQ(TileAt(s, 2, d.position), plan == kPlanNone ? "5z" : "3p");
  }
}

TEST(AvoidOpenRiichiWaits, NeverFeedsAnOpenRiichiWhileAnotherTileWillDo) {
  struct Row {
    const char* name;
    const char* hand;
    int direction;
    const char* discard;
  } rows[] = {
      {"upward: the first safe tile", "5z123m", 0, "1m"},
      {"downward", "5z123m", 1, "3m"},
      {"nothing else is safe: the tile stands", "5z5z", 0, "5z"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    TableState s = CpuTable(2, row.hand);
    SetHand(s, 3, "123m456p789s111z5z");  // waits on 5z
    SetRiichi(s, 3, 1);
    s.openRiichi[3] = true;
    ScriptedRandom random({row.direction});
    EXPECT_TRUE(OtherSeatInOpenRiichi(s, 2));
    EXPECT_EQ(TileAt(s, 2, AvoidOpenRiichiWaits(s, 2, 1, random)), row.discard);
  }
}

}  // namespace
}  // namespace mj::cpu
