#include "cpu/keep_score.h"

#include <gtest/gtest.h>

#include "tests/cpu/cpu_fixtures.h"

namespace mj::cpu {
namespace {

using namespace test;

Rating Rate(std::string_view concealed, int melds = 0, DoraKinds dora = {}) {
  const TableState s = CpuTable(1, concealed);
  return RateKinds(Counts(concealed), melds, dora, UnseenTableFor(s, 1, false));
}

TEST(KeepScore, SetsComeOutBeforeTheRestIsRated) {
  struct Row {
    const char* name;
    const char* hand;
    int melds;
    int setCount;
    const char* discard;
  } rows[] = {
      {"triplets, then runs", "111222333m456p9s1z", 0, 4, "9s"},
      {"runs stop at four sets", "123456789m123p45s", 0, 4, "4s"},
      {"melds count as sets", "123m456p19s", 2, 4, "1s"},
      {"honour triplets last", "555z123m5p9p", 0, 2, "9p"},
      {"a lone honour before a lone terminal pair", "2468m1s1s3z", 0, 0, "3z"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const Rating r = Rate(row.hand, row.melds);
    EXPECT_EQ(r.setCount, row.setCount);
    EXPECT_EQ(Notation({r.kind}), row.discard);
  }
}

TEST(KeepScore, ValuesFollowTheShapesTheRemainingTilesCouldBecome) {
  const Rating r = Rate("357m455p89p1s");
  EXPECT_EQ(r.setCount, 0);
  struct Row {
    const char* tile;
    int score;
  } rows[] = {
      {"3m", 5 + 15 + 8},                             // 3-5-7 spaced; 3-5 with 4m unseen
      {"5m", 10 + 15 + 8 + 8},                        // both gaps
      {"7m", 5 + 15 + 8},      {"4p", 10 + 20 + 10},  // next to 5p, which is a pair
      {"5p", 10 + 20 + 10},    {"8p", 1 + 2},         // 8-9 with 7p unseen
      {"9p", 1 + 2},           {"1s", 1},
      {"2m", kNotHeldScore},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.tile);
    EXPECT_EQ(r.keepScore[static_cast<std::size_t>(TileKind(Tile(row.tile)))], row.score);
  }
  EXPECT_EQ(Notation({r.kind}), "1s");
}

TEST(KeepScore, DoraDoublesTheBaseAndTiesGoToTheLowestKind) {
  DoraKinds dora;
  dora.kinds[0] = 19;
  dora.count = 1;
  dora.set.Add(19);
  const Rating r = Rate("1s9s", 0, dora);
  EXPECT_EQ(r.keepScore[19], 2);
  EXPECT_EQ(r.keepScore[27], 1);
  EXPECT_EQ(Notation({r.kind}), "9s");
  EXPECT_EQ(Notation({Rate("1s9s").kind}), "1s");
}

TEST(KeepScore, AHandWhoseTilesAllFormSetsStillNamesAHeldKind) {
  const Rating r = Rate("234m567p", 2);
  EXPECT_EQ(r.setCount, 4);
  EXPECT_EQ(Notation({r.kind}), "2m");
}

}  // namespace
}  // namespace mj::cpu
