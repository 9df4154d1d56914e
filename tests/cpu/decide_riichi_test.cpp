#include "cpu/decide_riichi.h"

#include <gtest/gtest.h>

#include "tests/cpu/cpu_fixtures.h"

namespace mj::cpu {
namespace {

using namespace test;

// Seat 2 holds 123m 456s 111z 22s and 0p5p7p. Throwing either five leaves
// 57p waiting on 6p (4 unseen: 40); throwing 7p leaves 5p/2s (5p twice in
// seat 3's river, 2s once in the own river: 20 + 30 - 30 = 20); nothing else
// leaves the hand ready.
TableState FivesHand(int wallRemaining) {
  TableState s = CpuTable(2, "123m456s111z22s057p");
  AddToRiver(s, 3, "5p5p");
  AddToRiver(s, 2, "2s");
  s.wallRemaining = static_cast<std::int16_t>(wallRemaining);
  return s;
}

TEST(DecideRiichi, ARedFiveNeverGetsTheBonusAndLosesToThePlainFive) {
  TableState s = FivesHand(60);
  ScriptedRandom random({1, 1});
  EXPECT_EQ(DecideRiichi(s, 2, random), 13);
  // Only the plain five and 7p drew a bonus.
  ASSERT_EQ(random.asked.size(), 2u);
  EXPECT_EQ(random.asked[0], std::make_pair(1, 9));
}

TEST(DecideRiichi, LateInTheWallTheRiichiIsKeptSilentUnlessTheSeatIsLast) {
  struct Row {
    const char* name;
    int wallRemaining;
    std::vector<int> random;  // two bonuses, then the silence draw
    bool last;
    int opinion;
  } rows[] = {
      {"30 or more: never silent", 30, {1, 1}, false, 13},
      {"20-29: B = 4 is not below 4", 25, {1, 1, 4}, false, 13},
      {"10-19: B = 4 is below 5", 15, {1, 1, 5}, false, -13},
      {"4-9: B = 4 is below 4..7 when 5", 6, {1, 1, 5}, false, -13},
      {"fewer than 4: always silent", 3, {1, 1}, false, -13},
      {"fewer than 4 but last: declares", 3, {1, 1}, true, 13},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    TableState s = FivesHand(row.wallRemaining);
    if (row.last) SetScore(s, 2, 20000);
    ScriptedRandom random(row.random);
    EXPECT_EQ(DecideRiichi(s, 2, random), row.opinion);
  }
}

TEST(DecideRiichi, WaitsWithNoUnseenCopyScoreNothingAndGiveNoOpinion) {
  // Throwing 5z waits on 6z and throwing 6z waits on 5z; each is seen four
  // times (a pon plus the river tile it was called from).
  for (int wallRemaining : {60, 3}) {
    SCOPED_TRACE(wallRemaining);
    TableState s = CpuTable(2, "123m456p789s111z56z");
    s.ponKinds[3][1] = Tile("5z");
    AddToRiver(s, 4, "5z");
    s.ponKinds[4][1] = Tile("6z");
    AddToRiver(s, 3, "6z");
    s.wallRemaining = static_cast<std::int16_t>(wallRemaining);
    ScriptedRandom random;
    EXPECT_EQ(DecideRiichi(s, 2, random), 0);
    EXPECT_TRUE(random.asked.empty());
  }
}

TEST(DecideRiichi, AWaitInTheOwnRiverCanMakeTheBestScoreNegative) {
  // Four pons; 9p and 1s left. Either discard waits on the other tile, which
  // lies in the own river with one copy unseen: 10 - 30 = -20 before the bonus.
  TableState s = CpuTable(2, "9p1s");
  s.hasCalled[2] = true;
  s.ponKinds[2] = {0, Tile("2m"), Tile("5m"), Tile("8m"), Tile("3p")};
  AddToRiver(s, 2, "9p1s");
  AddToRiver(s, 3, "9p9p");
  AddToRiver(s, 4, "1s1s");
  ScriptedRandom random({5, 1});
  // Position 1 scores -15 (B = -1, not 0), position 2 -19.
  EXPECT_EQ(DecideRiichi(s, 2, random), 1);
}

TEST(DecideRiichi, AHandThatNoDiscardMakesReadyHasNoOpinion) {
  TableState s = CpuTable(2, "159m159p159s12345z");
  ScriptedRandom random;
  EXPECT_EQ(DecideRiichi(s, 2, random), 0);
}

}  // namespace
}  // namespace mj::cpu
