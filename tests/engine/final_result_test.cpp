#include "engine/final_result.h"

#include <gtest/gtest.h>

namespace mj::engine {
namespace {

TableState WithScores(std::initializer_list<int> scores) {
  TableState s;
  int seat = 1;
  for (int score : scores) {
    s.players[static_cast<std::size_t>(seat)].score = Money::FromPoints(score);
    s.players[static_cast<std::size_t>(seat)].name = "P" + std::to_string(seat);
    ++seat;
  }
  return s;
}

std::vector<std::int64_t> Points(const FinalResult& r) {
  return {r.finalPoints[1].WholePoints(), r.finalPoints[2].WholePoints(), r.finalPoints[3].WholePoints(),
          r.finalPoints[4].WholePoints()};
}

TEST(FinalResult, TopAbsorbsTheRoundingShortfall) {
  // Base 15, -4, -10, -20; top bonus 20; uma +20/+10/-10/-20; sums add to 1.
  const TableState s = WithScores({45000, 25100, 20000, 9900});
  const FinalResult r = ComputeFinalResult(s);
  EXPECT_EQ(Points(r), (std::vector<std::int64_t>{54, 6, -20, -40}));
  EXPECT_EQ(r.placement, (PerSeat<int>{0, 1, 2, 3, 4}));
  EXPECT_EQ(r.rankedNames, (std::vector<std::string>{"P1", "P2", "P3", "P4"}));
}

TEST(FinalResult, TiesShareTheBetterPlaceAndHalveTheBonus) {
  TableState s = WithScores({20000, 35000, 35000, 10000});
  const FinalResult r = ComputeFinalResult(s);
  EXPECT_EQ(r.placement, (PerSeat<int>{0, 3, 1, 1, 4}));
  EXPECT_EQ(r.rankedNames, (std::vector<std::string>{"P2", "P3", "P1", "P4"}));
  // 5+10+20 each on top, -10-10 third, -20-20 fourth: sums 35+35-20-40 = 10, shared by the two on top.
  EXPECT_EQ(Points(r), (std::vector<std::int64_t>{-20, 30, 30, -40}));
}

TEST(FinalResult, BaseThousandsRoundsTowardTheTable) {
  struct Row {
    int score;
    std::int64_t base;
  };
  const Row rows[] = {{45600, 45}, {30000, 30}, {29000, 29}, {29100, 30}, {100, 1}, {0, 0}, {-100, -1}, {-1000, -1}, {-1100, -2}};
  for (const Row& r : rows) EXPECT_EQ(BaseThousands(Money::FromPoints(r.score)), r.base) << r.score;
}

TEST(FinalResult, YakitoriMovesThousandsFromTheUnlucky) {
  struct Row {
    const char* name;
    int rule37;
    std::array<bool, 4> yakitori;
    std::array<int, 4> amounts;
  };
  const Row rows[] = {
      {"off", 0, {true, false, false, false}, {0, 0, 0, 0}},
      {"one", 1, {true, false, false, false}, {-30, 10, 10, 10}},
      {"two at -60", 2, {true, true, false, false}, {-30, -30, 30, 30}},
      {"three at -90", 3, {false, true, true, true}, {90, -30, -30, -30}},
      {"all four", 1, {true, true, true, true}, {0, 0, 0, 0}},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    TableState s = WithScores({25000, 25000, 25000, 25000});
    s.rules.value[37] = static_cast<std::int16_t>(r.rule37);
    for (int i = 0; i < 4; ++i) s.players[static_cast<std::size_t>(i + 1)].yakitori = r.yakitori[static_cast<std::size_t>(i)];
    const PerSeat<int> amounts = YakitoriAmounts(s);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(amounts[static_cast<std::size_t>(i + 1)], r.amounts[static_cast<std::size_t>(i)]);
  }
}

}  // namespace
}  // namespace mj::engine
