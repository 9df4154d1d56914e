#include "cpu/choose_discard.h"

#include <gtest/gtest.h>

#include "tests/cpu/cpu_fixtures.h"

namespace mj::cpu {
namespace {

using namespace test;

struct PlanRow {
  const char* name;
  const char* hand;
  std::vector<int> random;  // the scripted answers (0 scans upward, 1 downward)
  int placement;            // 4 puts the seat last, anything else leaves all four level
  int plan;                 // handPlan afterwards
  const char* discard;
};

TEST(ChooseDiscard, EachPlanThrowsInItsOwnOrder) {
  const PlanRow rows[] = {
      {"seven pairs: a triplet before any single", "11m44m77p33s66s555p3z", {}, 1, kPlanSevenPairs, "5p"},
      {"seven pairs: the lowest single that is not dora", "11m44m77p33s66s2p8s9s3z", {}, 1, kPlanSevenPairs, "2p"},
      {"thirteen orphans upward: a simple", "19m19p19s1234z55m6p2s", {0}, 1, kPlanThirteenOrphans, "5m"},
      {"thirteen orphans downward: a simple", "19m19p19s1234z55m6p2s", {1}, 1, kPlanThirteenOrphans, "2s"},
      {"thirteen orphans: then a second copy", "119m19p199s123456z", {1}, 1, kPlanThirteenOrphans, "9s"},
      {"one suit upward: the first tile of another suit", "11234678m99m11z3p7s", {0}, 1, kPlanCharacters, "3p"},
      {"one suit downward", "11234678m99m11z3p7s", {1}, 1, kPlanCharacters, "7s"},
      {"one suit, last place: honours go upward", "1123467899m1156z", {0}, 4, kPlanCharacters, "1z"},
      {"one suit, last place: honours go downward", "1123467899m1156z", {1}, 4, kPlanCharacters, "6z"},
      {"one suit with nothing outside it: the rating", "1123467899m1156z", {0}, 1, kPlanCharacters, "1m"},
      {"pair hand upward: a single", "1199m3m11p6p5558s27z", {0}, 1, kPlanPairHand, "3m"},
      {"pair hand downward", "1199m3m11p6p5558s27z", {1}, 1, kPlanPairHand, "7z"},
  };
  for (const PlanRow& row : rows) {
    SCOPED_TRACE(row.name);
    TableState s = CpuTable(2, row.hand);
    if (row.placement == 4) SetScore(s, 2, 20000);
    ScriptedRandom random(row.random);
    const int position = ChooseDiscard(s, 2, 0, random);
    EXPECT_EQ(s.handPlan[2], row.plan);
    EXPECT_EQ(TileAt(s, 2, position), row.discard) << Notation({s.handTiles[2].begin() + 1, s.handTiles[2].end()});
  }
}

TEST(ChooseDiscard, SevenPairsKeepsTheDoraSingle) {
  TableState s = CpuTable(2, "11m44m77p33s66s2p8s9s3z");
  SetDoraIndicator(s, "1p");
  ScriptedRandom random;
  EXPECT_EQ(TileAt(s, 2, ChooseDiscard(s, 2, 0, random)), "8s");
}

TEST(ChooseDiscard, ThirteenOrphansOutranksSevenPairs) {
  // Four edge pairs would make seven pairs, but ten terminal and honour kinds are held.
  TableState s = CpuTable(2, "1199m119p19s11z234z");
  ScriptedRandom random({0});
  const int position = ChooseDiscard(s, 2, 0, random);
  EXPECT_EQ(s.handPlan[2], kPlanThirteenOrphans);
  EXPECT_EQ(TileAt(s, 2, position), "1m");
}

TEST(ChooseDiscard, WithoutCallsNoOneSuitPlanIsChosen) {
  TableState s = CpuTable(2, "11234678m99m11z3p7s");
  s.rules.value[53] = 0;
  ScriptedRandom random;
  const int position = ChooseDiscard(s, 2, 0, random);
  EXPECT_EQ(s.handPlan[2], kPlanNone);
  EXPECT_EQ(TileAt(s, 2, position), "1m");  // rated: 123m and 678m are sets, the lone 1m is worth least
}

TEST(ChooseDiscard, OneSuitWithNothingOutsideFallsBackOnThePreferredPosition) {
  TableState s = CpuTable(2, "1123467899m1156z");
  ScriptedRandom random({0});
  // Position 12 is the second 1z; the kind leaves from its first position.
  EXPECT_EQ(ChooseDiscard(s, 2, 12, random), 11);
}

TEST(ChooseDiscard, AStoredPlanKeepsItsOrder) {
  struct Row {
    const char* name;
    std::int16_t stored;
    int preferred;
    std::vector<int> random;
    const char* discard;
  } rows[] = {
      {"no plan: the isolated 9p", kPlanNone, 0, {0}, "9p"},
      {"the pair hand downward, offered a ready discard", kPlanPairHand, 3, {1}, "5z"},
      {"the pair hand upward", kPlanPairHand, 3, {0}, "2m"},
      {"defence stays without a riichi: an honour", kPlanDefence, 0, {0}, "5z"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    TableState s = CpuTable(2, "234m456p789s9p11s3m5z");
    s.handPlan[2] = row.stored;
    ScriptedRandom random(row.random);
    EXPECT_EQ(TileAt(s, 2, ChooseDiscard(s, 2, row.preferred, random)), row.discard);
    EXPECT_EQ(s.handPlan[2], row.stored);
  }
}

TEST(ChooseDiscard, UselessTilesGoBeforeTheRating) {
  struct Row {
    const char* name;
    int seat;
    const char* hand;
    std::vector<int> random;
    const char* discard;
  } rows[] = {
      {"a guest wind: south seat keeps south", 2, "123m456p789s2z3z4z99m", {}, "3z"},
      {"a guest wind: west seat keeps west", 3, "123m456p789s2z3z4z99m", {}, "2z"},
      {"an isolated terminal, in order", 1, "1m5m6m7m3p4p5p5s6s7s9s9s1z1z", {1}, "1m"},
      {"an isolated terminal, in reverse: 9s has 6s7s and 5s", 1, "1m5m6m7m3p4p5p5s6s7s9p9s1z1z", {0}, "9p"},
      {"an isolated two", 1, "2m5m6m7m3p4p5p5s6s7s8s8s1z1z", {1, 1}, "2m"},
      {"a single dragon", 1, "2m3m5m6m7m3p4p5p5s6s7s8s8s5z", {0, 0}, "5z"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    TableState s = CpuTable(row.seat, row.hand);
    ScriptedRandom random(row.random);
    EXPECT_EQ(TileAt(s, row.seat, ChooseDiscard(s, row.seat, 0, random)), row.discard);
    EXPECT_EQ(s.handPlan[static_cast<std::size_t>(row.seat)], kPlanNone);
  }
}

TEST(ChooseDiscard, APlainFiveLeavesBeforeARedOneOnlyWhileRedFivesArePlayed) {
  for (int rule38 : {0, 1}) {
    SCOPED_TRACE(rule38);
    TableState s = CpuTable(2, "11m44m77p33s66s055p3z");
    s.rules.value[38] = static_cast<std::int16_t>(rule38);
    ScriptedRandom random;
    EXPECT_EQ(ChooseDiscard(s, 2, 0, random), rule38 == 0 ? 11 : 12);
  }
}

// Seat 2 called 2s3s on a 4s: 4s and 1s may not be thrown next.
TableState AfterChi(std::string_view hand) {
  TableState s = CpuTable(2, hand);
  s.hasCalled[2] = true;
  s.chiTiles[2][1] = Tile("2s");
  s.chiTiles[2][2] = Tile("3s");
  s.chiTiles[2][3] = Tile("4s");
  s.kuikaeBan[1] = Tile("4s");
  s.kuikaeBan[2] = Tile("1s");
  return s;
}

TEST(ChooseDiscard, ATileTheCallForbidsIsNeverChosen) {
  struct Row {
    const char* name;
    const char* hand;
    const char* discard;
  } rows[] = {
      {"a single forbidden 1s is out of the counts", "123m456m789p1s5p", "5p"},
      {"nor does its second copy leave", "123m456m789p1s1s", "1m"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    TableState s = AfterChi(row.hand);
    ScriptedRandom random;
    EXPECT_EQ(TileAt(s, 2, ChooseDiscard(s, 2, 0, random)), row.discard);
  }
}

TEST(ChooseDiscard, AfterARiichiTheSeatTurnsToDefenceAndThrowsASafeTile) {
  TableState s = CpuTable(1, "23m456p789s1z2z3m5p9p7z");
  AddToRiver(s, 3, "1m2m3p4s5z");
  SetRiichi(s, 3, 5);
  s.riichiSafeTiles[1] = Tile("8m");
  s.riichiSafeTiles[2] = Tile("9p");
  SetScore(s, 1, 45000);
  ScriptedRandom random;
  EXPECT_EQ(TileAt(s, 1, ChooseDiscard(s, 1, 0, random)), "9p");
  EXPECT_EQ(s.handPlan[1], kPlanDefence);
  // Defence stays for the rest of the hand, even once the seat is behind.
  SetScore(s, 1, 20000);
  EXPECT_EQ(TileAt(s, 1, ChooseDiscard(s, 1, 0, random)), "9p");
}

TEST(ChooseDiscard, ADangerousUselessTileTurnsALeaderToDefence) {
  // 4z is a guest wind for the east seat, but the riichi seat has not thrown it.
  TableState s = CpuTable(1, "23m456p789s4z3m5p9p7z7z");
  AddToRiver(s, 3, "1m2m3p4s5z");
  SetRiichi(s, 3, 5);
  s.riichiSafeTiles[1] = Tile("9p");
  ScriptedRandom random;
  EXPECT_EQ(TileAt(s, 1, ChooseDiscard(s, 1, 0, random)), "9p");
  EXPECT_EQ(s.handPlan[1], kPlanDefence);
}

}  // namespace
}  // namespace mj::cpu
