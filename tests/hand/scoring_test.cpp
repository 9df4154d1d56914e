#include "hand/scoring.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "hand/win_evaluation.h"
#include "tests/hand/win_fixture.h"

namespace mj::hand {
namespace {

// A winner's list written straight into the state: seat 1, not the dealer
// unless asked, with the given fu.
void SetList(TableState& state, std::initializer_list<YakuCode> codes, int fu = 30) {
  state.yakuList[1].fill(0);
  std::size_t slot = 0;
  for (YakuCode code : codes) state.yakuList[1][slot++] = code;
  state.handFu[1] = static_cast<std::int16_t>(fu);
  state.dealerSeat = 2;
}

std::string Lines(const TableState& state) { return test::YakuLinesText(state); }

TEST(ScoreHand, WritesOneLinePerYakuWithHanAndExperience) {
  TableState state;
  state.rules.value[10] = 0;  // deposits only for riichi
  WinSituation w = test::WinHand("22334m456p789s55s4m");
  test::ApplyWords(w, "riichi dora=4s");
  ASSERT_TRUE(test::EvaluateSituation(state, w));
  ScoreHand(state, 1);
  EXPECT_EQ(Lines(state), "リーチ 一飜/一盃口 一飜/平和 一飜/ドラ 二飜");
  EXPECT_EQ(state.handHan, 5);
  EXPECT_EQ(state.handExperience, 1 + 2 + 1 + 2);
  EXPECT_TRUE(state.collectsDeposits);
  EXPECT_FALSE(state.isYakumanHand);
  EXPECT_EQ(state.limitLabel, "満貫");
  EXPECT_EQ(state.handPoints, Money::FromPoints(8000));
}

struct ListCase {
  const char* name;
  std::initializer_list<YakuCode> list;
  const char* rules;
  int fu;
  bool dealer;
  const char* label;
  std::int64_t points;
  int han;
  bool yakuman;
};

const ListCase kCases[] = {
    {"seven pairs 25 fu 2 han", {16}, "33=1", 25, false, "二飜", 1600, 2, false},
    {"seven pairs 50 fu 1 han", {16}, "33=0", 50, false, "一飜", 1600, 1, false},
    {"30 fu 4 han", {2, 1, 4, 5}, "36=0", 30, false, "四飜", 7700, 4, false},
    {"30 fu 4 han rounded up", {2, 1, 4, 5}, "36=1", 30, false, "満貫", 8000, 4, false},
    {"13 han without yakuman", {2, 3, 1, 28, 24, 7}, "", 30, false, "数え役満", 32000, 13, false},
    {"big dragons", {31}, "", 40, false, "役満", 32000, 13, true},
    {"big dragons, dealer", {31}, "", 40, true, "役満", 48000, 13, true},
    {"four concealed on the pair, rule 46 = 1", {42}, "46=1", 40, false, "ダブル役満", 64000, 26, true},
    {"four concealed on the pair, rule 46 = 0", {42}, "46=0", 40, false, "役満", 32000, 13, true},
    {"all honours and big winds", {34, 43}, "47=1", 40, false, "トリプル役満", 96000, 39, true},
    {"human hand under rule 44 = 2", {27}, "44=2", 40, false, "役満", 32000, 13, true},
    {"青天井: a yakuman counts its 13 han", {31}, "34=1", 30, false, "十三飜", 3932200, 13, true},
    {"青天井: three han", {2, 1, 7}, "34=1", 40, false, "三飜", 5200, 3, false},
    {"青天井: the cap", {39, 42, 34, 43}, "34=1 46=1 47=1", 110, true, "七十八飜", 999999999900, 78, true},
};

TEST(ScoreHand, LimitsAndPointsFromTheList) {
  for (const ListCase& c : kCases) {
    SCOPED_TRACE(c.name);
    TableState state;
    test::ApplyRules(state.rules, c.rules);
    SetList(state, c.list, c.fu);
    if (c.dealer) state.dealerSeat = 1;
    ScoreHand(state, 1);
    EXPECT_EQ(state.limitLabel, c.label);
    EXPECT_EQ(state.handPoints, Money::FromPoints(c.points));
    EXPECT_EQ(state.handHan, c.han);
    EXPECT_EQ(state.isYakumanHand, c.yakuman);
  }
}

TEST(ScoreHand, CountsFromTheEvaluationGiveTheirHanAndExperience) {
  TableState state;
  SetList(state, {6, 50, 51, 52});
  state.yakuhaiCount[1] = 2;
  state.doraCount[1] = 3;
  state.uraCount[1] = 1;
  state.redCount[1] = 1;
  ScoreHand(state, 1);
  EXPECT_EQ(Lines(state), "役牌 二飜/ドラ 三飜/ウラドラ 一飜/アカドラ 一飜");
  EXPECT_EQ(state.handHan, 7);
  EXPECT_EQ(state.handExperience, 7);
  EXPECT_EQ(state.limitLabel, "ハネ満貫");
}

TEST(ScoreHand, OpenHandsCountTheOpenHan) {
  TableState state;
  SetList(state, {28, 15, 17});
  state.hasCalled[1] = true;
  ScoreHand(state, 1);
  EXPECT_EQ(state.handHan, 5 + 1 + 1);
  EXPECT_EQ(Lines(state), "清一色 五飜/一気通貫 一飜/全帯 一飜");
}

TEST(ScoreHand, ManganClassFlagsReplaceAWeakerList) {
  struct Row {
    const char* name;
    std::initializer_list<YakuCode> list;
    std::initializer_list<int> flags;
    const char* lines;
    const char* label;
    int points;
  };
  const Row rows[] = {
      {"one flag beats one han", {8, 50}, {1}, "一筒摸月 五飜", "満貫", 8000},
      {"the human hand flag alone", {}, {9}, "人和 五飜", "満貫", 8000},
      {"two flags", {8, 1}, {1, 9}, "一筒摸月 五飜/人和 五飜", "倍満貫", 16000},
      {"a haneman list stays", {28, 1, 8}, {1}, "清一色 六飜/門前清摸和 一飜/海底撈月 一飜", "倍満貫", 16000},
      {"equal value replaces", {25, 7, 1}, {1}, "一筒摸月 五飜", "満貫", 8000},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    TableState state;
    state.rules.value[44] = 1;
    SetList(state, row.list);
    state.doraCount[1] = 1;
    for (int flag : row.flags) state.manganYakuFlags[1][static_cast<std::size_t>(flag)] = true;
    ScoreHand(state, 1);
    EXPECT_EQ(Lines(state), row.lines);
    EXPECT_EQ(state.limitLabel, row.label);
    EXPECT_EQ(state.handPoints, Money::FromPoints(row.points));
  }
}

TEST(ScoreHand, ManganClassValueUnder青天井CountsFiveHanPerFlag) {
  TableState state;
  state.rules.value[34] = 1;
  SetList(state, {8}, 30);
  state.manganYakuFlags[1][1] = true;
  ScoreHand(state, 1);
  EXPECT_EQ(state.manganClassPoints, Money::FromPoints(15400));  // 30 × 2^5 × 16
  EXPECT_EQ(state.handPoints, Money::FromPoints(15400));
  EXPECT_EQ(state.limitLabel, "五飜");
}

TEST(ScoreHand, ChomboWritesTheNameAndTheRule21Penalty) {
  struct Row {
    int rule21;
    bool dealer;
    const char* label;
    int points;
  };
  const Row rows[] = {{1, false, "満貫払い", -8000}, {1, true, "満貫払い", -12000}, {6, false, "4000ALL", -12000},
                      {0, false, "罰則なし", 0}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.label);
    TableState state;
    state.rules.value[21] = static_cast<std::int16_t>(row.rule21);
    SetList(state, {199});
    if (row.dealer) state.dealerSeat = 1;
    state.manganYakuFlags[1][1] = true;  // never replaces a chombo
    ScoreHand(state, 1);
    EXPECT_EQ(Lines(state), "チョンボ");
    EXPECT_EQ(state.handHan, 0);
    EXPECT_EQ(state.limitLabel, row.label);
    EXPECT_EQ(state.handPoints, Money::FromPoints(row.points));
    EXPECT_EQ(test::YakuListText(test::YakuListOf(state)), "199");
  }
}

TEST(ScoreHand, RiichiCollectsTheDepositsUnderRule10) {
  struct Row {
    const char* name;
    int rule10;
    std::initializer_list<YakuCode> list;
    bool flag;
    bool collects;
  };
  const Row rows[] = {
      {"any winner under 和了者全て", 1, {4}, false, true},
      {"no riichi under リーチ和了者のみ", 0, {4}, false, false},
      {"riichi", 0, {2, 4}, false, true},
      {"double riichi", 0, {12}, false, true},
      {"open riichi", 0, {111}, false, true},
      {"riichi replaced by a mangan-class flag", 0, {2, 8}, true, true},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    TableState state;
    state.rules.value[10] = static_cast<std::int16_t>(row.rule10);
    SetList(state, row.list);
    state.manganYakuFlags[1][1] = row.flag;
    ScoreHand(state, 1);
    EXPECT_EQ(state.collectsDeposits, row.collects);
  }
}

}  // namespace
}  // namespace mj::hand
