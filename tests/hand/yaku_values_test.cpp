#include "hand/yaku_values.h"

#include <gtest/gtest.h>

#include "tests/hand/win_fixture.h"

namespace mj::hand {
namespace {

TEST(YakuValueOf, ClosedAndOpenHanAndExperience) {
  struct Row {
    YakuCode code;
    const char* rules;
    int closed;
    int open;
    int experience;
    bool yakuman;
  };
  const Row rows[] = {
      {1, "", 1, 0, 1, false},       {3, "", 1, 0, 2, false},       {5, "", 1, 1, 1, false},
      {12, "", 2, 0, 32, false},     {14, "", 2, 1, 2, false},      {16, "33=1", 2, 0, 2, false},
      {16, "33=0", 1, 0, 2, false},  {23, "", 3, 2, 2, false},      {25, "", 3, 2, 2, false},
      {27, "44=1", 5, 0, 128, false}, {27, "44=2", 13, 0, 128, true}, {28, "", 6, 5, 2, false},
      {33, "", 13, 13, 512, true},   {42, "46=1", 26, 0, 128, true}, {42, "46=0", 13, 0, 128, true},
      {43, "47=1", 26, 26, 128, true}, {43, "47=0", 13, 13, 128, true}, {45, "", 26, 0, 512, true},
      {110, "", 2, 1, 16, false},    {116, "", 5, 5, 64, false},    {140, "", 26, 26, 256, true},
      {141, "", 13, 0, 4, true},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(std::to_string(row.code) + " " + row.rules);
    TableState state;
    test::ApplyRules(state.rules, row.rules);
    const YakuValue closed = YakuValueOf(state, 1, row.code);
    EXPECT_TRUE(closed.inTable);
    EXPECT_EQ(closed.han, row.closed);
    EXPECT_EQ(closed.experience, row.experience);
    EXPECT_EQ(closed.yakuman, row.yakuman);
    state.hasCalled[1] = true;
    EXPECT_EQ(YakuValueOf(state, 1, row.code).han, row.open);
  }
}

TEST(YakuValueOf, CountsComeFromTheEvaluation) {
  TableState state;
  state.yakuhaiCount[1] = 2;
  state.doraCount[1] = 13;
  state.uraCount[1] = 1;
  state.redCount[1] = 3;
  EXPECT_EQ(YakuValueOf(state, 1, 6).han, 2);
  EXPECT_EQ(YakuValueOf(state, 1, 6).experience, 2);
  EXPECT_EQ(YakuValueOf(state, 1, 50).han, 13);
  EXPECT_FALSE(YakuValueOf(state, 1, 50).yakuman) << "thirteen dora are no yakuman";
  EXPECT_EQ(YakuValueOf(state, 1, 51).han, 1);
  EXPECT_EQ(YakuValueOf(state, 1, 52).experience, 3);
  for (YakuCode code : {0, 26, 46, 151, 199, 1006}) EXPECT_FALSE(YakuValueOf(state, 1, code).inTable) << code;
}

TEST(CountHan, LeavesOutIppatsuDoraAndUnfixedCodes) {
  TableState state;
  const std::array<YakuCode, 12> list{2, 3, 4, 1006, 50, 51, 52, 5, 0, 7, 0, 0};
  state.yakuList[1] = list;
  state.doraCount[1] = 2;
  state.uraCount[1] = 1;
  state.redCount[1] = 1;
  EXPECT_EQ(CountHan(state, 1), 3);  // リーチ, 平和, 断ヤオ; the list ends at the first empty slot
}

}  // namespace
}  // namespace mj::hand
