#include "store/experience.h"

#include <gtest/gtest.h>

namespace mj::store {
namespace {

TEST(Experience, LevelIsEveryHundredUpToForty) {
  struct Row {
    std::int32_t experience;
    int level;
  } rows[] = {{0, 0}, {99, 0}, {100, 1}, {250, 2}, {3999, 39}, {4000, 40}, {9999, 40}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.experience);
    EXPECT_EQ(LevelOf(row.experience), row.level);
  }
}

TEST(Experience, EachBoundaryCrossedUnlocksOneLocalYaku) {
  struct Row {
    const char* name;
    std::int32_t before, after;
    std::vector<int> yaku;
  } rows[] = {
      {"one boundary", 180, 250, {102}},
      {"two boundaries", 180, 320, {102, 103}},
      {"only up to level 40", 3950, 4200, {140}},
      {"past level 40", 4000, 4500, {}},
      {"the first level", 0, 100, {101}},
      {"inside one level", 101, 199, {}},
      {"no gain", 500, 500, {}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(LevelUpYaku(row.before, row.after), row.yaku);
  }
}

TEST(Experience, GainDependsOnRulesAndWhoWon) {
  RuleSet rules = RuleSet::Defaults();  // rule 21 = 1, rule 52 = 1
  struct Row {
    const char* name;
    int rule21, rule52;
    bool lan;
    int seat;
    bool stats;
    std::int32_t gain;
  } rows[] = {
      {"plain", 1, 1, false, 1, true, 40},
      {"unsorted hand doubles", 1, 0, false, 1, true, 80},
      {"no chombo penalty gives none", 0, 1, false, 1, true, 0},
      {"LAN game gives none", 1, 1, true, 1, true, 0},
      {"another seat gives none", 1, 1, false, 3, true, 0},
      {"statistics off gives none", 1, 0, false, 1, false, 0},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    rules.value[21] = static_cast<std::int16_t>(row.rule21);
    rules.value[52] = static_cast<std::int16_t>(row.rule52);
    EXPECT_EQ(ExperienceGain(40, rules, row.lan, row.seat, row.stats), row.gain);
  }
}

}  // namespace
}  // namespace mj::store
