#include "cpu/defence.h"

#include <gtest/gtest.h>

#include "tests/cpu/cpu_fixtures.h"

namespace mj::cpu {
namespace {

using namespace test;

TEST(ShouldDefend, OnlyAgainstARiichiAndByScoreOrStanding) {
  struct Row {
    const char* name;
    bool riichi;
    int score;
    int handNumber;
    int rule1;
    int rule9;
    bool defend;
  } rows[] = {
      {"no riichi, whatever the score", false, 50000, 8, 1, 0, false},
      {"40000 or more", true, 40000, 1, 1, 0, true},
      {"first or second from hand 7 of 東南戦", true, 25000, 7, 1, 0, true},
      {"not before hand 7", true, 25000, 6, 1, 0, false},
      {"from hand 4 of 東風戦", true, 25000, 4, 0, 0, true},
      {"near bankruptcy when it ends the game", true, 10000, 1, 1, 1, true},
      {"near bankruptcy when it does not", true, 10000, 1, 1, 0, false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    TableState s = CpuTable(1, "");
    SetScore(s, 2, 30000);
    SetScore(s, 3, 20000);
    SetScore(s, 4, 20000);
    SetScore(s, 1, row.score);  // 25000 is second place, 10000 last
    if (row.riichi) SetRiichi(s, 3, 4);
    s.handNumber = static_cast<std::int16_t>(row.handNumber);
    s.rules.value[1] = static_cast<std::int16_t>(row.rule1);
    s.rules.value[9] = static_cast<std::int16_t>(row.rule9);
    EXPECT_EQ(ShouldDefend(s, 1), row.defend);
  }
}

TEST(ChooseSafeDiscard, SafeListThenHonoursThenTheWallThenSuji) {
  struct Row {
    const char* name;
    const char* hand;
    const char* safeList;
    const char* discard;  // "" for none
  } rows[] = {
      {"the first listed tile held", "5p3m8s", "9s3m5p", "3m"},
      {"an honour the riichi seat has thrown", "5p3m1z", "9s", "1z"},
      {"a 1 whose 2s are all out", "5p3m1s", "9s", "1s"},
      {"the suji of a listed 4", "5p3m7m", "4m", "7m"},
      {"nothing safe", "5p3m8s", "9s", ""},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    TableState s = CpuTable(1, row.hand);
    AddToRiver(s, 3, "1z2s2s2s9s");
    SetRiichi(s, 3, 5);
    const std::vector<TileCode> safe = Tiles(row.safeList);
    for (std::size_t i = 0; i < safe.size(); ++i) s.riichiSafeTiles[i + 1] = TileKind(safe[i]);
    ScriptedRandom random;
    const TileCode kind = ChooseSafeDiscard(s, 1, random);
    EXPECT_EQ(kind == 0 ? std::string() : Notation({kind}), row.discard);
  }
}

}  // namespace
}  // namespace mj::cpu
