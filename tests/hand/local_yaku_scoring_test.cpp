// Local yaku as a win is settled: their han, and the mangan-class flags
// that stand in for a weaker list as a mangan of their own.
#include <gtest/gtest.h>

#include <string>

#include "hand/scoring.h"
#include "hand/yaku_values.h"
#include "tests/hand/win_fixture.h"

namespace mj::hand {
namespace {

std::string Lines(const TableState& state) { return test::YakuLinesText(state); }

TEST(LocalYakuScoring, ManganClassFlagsSettleAsAManganOfTheirOwn) {
  struct Row {
    const char* name;
    test::HandCase hand;
    const char* lines;
    const char* label;
    int points;
  };
  const Row rows[] = {
      {"a flag and nothing else", {"5z5z", "c123m p777s k9999p c456s", "", "122=1"}, "独釣寒江雪 五飜", "満貫", 8000},
      {"a flag over a one-han list", {"5z5z", "c123m p777s k9999p c456s", "", "101=1 122=1"}, "独釣寒江雪 五飜", "満貫", 8000},
      {"a flag over haitei and tsumo", {"234m567p345s23p99s1p", "", "tsumo haitei", "116=1"}, "一筒摸月 五飜", "満貫", 8000},
      {"a ten-han list stays",
       {"23p456p789p555p99p1p", "", "tsumo haitei", "116=1"},
       "清一色 六飜/一気通貫 二飜/海底撈月 一飜/門前清摸和 一飜",
       "倍満貫",
       16000},
      {"two flags over a five-han list",
       {"123789m123789s1p1p", "", "tsumo haitei", "116=1 121=1"},
       "一筒摸月 五飜/双竜争珠 五飜",
       "倍満貫",
       16000},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    TableState state;
    ASSERT_TRUE(test::EvaluateCase(state, row.hand));
    ScoreHand(state, 1);
    EXPECT_EQ(Lines(state), row.lines);
    EXPECT_EQ(state.limitLabel, row.label);
    EXPECT_EQ(state.handPoints, Money::FromPoints(row.points));
  }
}

TEST(LocalYakuScoring, OpenRiichiRonIsAYakumanThatTakesTheDeposits) {
  TableState state;
  state.rules.value[10] = 0;  // deposits only for riichi
  ASSERT_TRUE(test::EvaluateCase(state, {"234m567p345s11p67s8s", "", "riichi open", ""}));
  ScoreHand(state, 1);
  EXPECT_EQ(test::YakuListText(test::YakuListOf(state)), "141");
  EXPECT_EQ(Lines(state), " 十三飜");  // the code has no name
  EXPECT_EQ(state.limitLabel, "役満");
  EXPECT_EQ(state.handPoints, Money::FromPoints(32000));
  EXPECT_TRUE(state.collectsDeposits);
  EXPECT_EQ(state.handExperience, 4);
}

TEST(LocalYakuScoring, EveryLocalCodeHasItsHanAndExperience) {
  struct Range {
    int first;
    int last;
    int closed;
    int open;  // 0: never open
    int experience;
  };
  const Range ranges[] = {
      {101, 101, 1, 1, 4},  {102, 102, 1, 1, 16}, {103, 103, 1, 1, 4},     {104, 107, 3, 0, 16},
      {108, 109, 2, 2, 16}, {110, 110, 2, 1, 16}, {111, 111, 2, 0, 4},     {112, 112, 2, 2, 16},
      {113, 114, 2, 2, 64}, {115, 115, 3, 3, 64}, {116, 123, 5, 5, 64},    {124, 139, 13, 13, 256},
      {140, 140, 26, 26, 256}, {141, 141, 13, 0, 4},
  };
  for (const Range& r : ranges) {
    for (int code = r.first; code <= r.last; ++code) {
      SCOPED_TRACE(code);
      TableState state;
      const YakuValue closed = YakuValueOf(state, 1, static_cast<YakuCode>(code));
      EXPECT_EQ(closed.han, r.closed);
      EXPECT_EQ(closed.experience, r.experience);
      EXPECT_EQ(closed.yakuman, r.closed >= 13);
      state.hasCalled[1] = true;
      EXPECT_EQ(YakuValueOf(state, 1, static_cast<YakuCode>(code)).han, r.open);
    }
  }
}

}  // namespace
}  // namespace mj::hand
