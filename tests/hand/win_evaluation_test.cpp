#include "hand/win_evaluation.h"

#include <gtest/gtest.h>

#include "hand/yaku_codes.h"
#include "tests/hand/win_fixture.h"

namespace mj::hand {
namespace {

// Seat 1 sits south in the east round unless the words say otherwise; a ron
// unless "tsumo". Melds: c chi, p pon, k open kan, s added kan, a closed kan.
constexpr test::YakuExpectation kCases[] = {
    {"pinfu ron", {"234m567p345s11p67s8s", "", "", ""}, "4", true},
    {"tanyao pinfu", {"234m567p345s22p67s8s", "", "", ""}, "5 4", true},
    {"open tanyao without kuitan has no yaku", {"567p345s22p67s8s", "c234m", "", ""}, "", false},
    {"open tanyao with kuitan", {"567p345s22p67s8s", "c234m", "", "14=1"}, "5", true},
    {"pinfu-shaped tsumo without rule 13 is menzen tsumo only", {"234m567p345s11p67s8s", "", "tsumo", ""}, "1", true},
    {"pinfu tsumo with rule 13", {"234m567p345s11p67s8s", "", "tsumo", "13=1"}, "4 1", true},
    {"riichi ippatsu tsumo", {"234m567p345s11p67s8s", "", "tsumo riichi ippatsu", ""}, "2 3 1", true},
    {"ippatsu off under rule 16 = 0", {"234m567p345s11p67s8s", "", "tsumo riichi ippatsu", "16=0"}, "2 1", true},
    {"double riichi", {"234m567p345s11p67s8s", "", "double", ""}, "12 4", true},
    {"open riichi tsumo", {"234m567p345s11p67s8s", "", "tsumo riichi open", "13=1"}, "111 4 1", true},
    {"white dragon triplet by ron", {"234m567p345s55s55z5z", "", "", ""}, "6", true},
    {"iipeikou pinfu", {"22334m456p789s55s4m", "", "", ""}, "7 4", true},
    {"sanshoku on an edge wait", {"123m123p456m99p12s3s", "", "", ""}, "14", true},
    {"ittsu on a single wait", {"123456789m456s1p1p", "", "", ""}, "15", true},
    {"open ittsu and honitsu with the round wind", {"123m456m789m5m5m", "p111z", "", ""}, "25 15 6", true},
    {"toitoi and three concealed triplets", {"111m222p555m4s4s", "p777s", "", ""}, "18 13", true},
    {"four concealed triplets by ron on a shanpon are three", {"111m222p555m44s77s7s", "", "", ""}, "18 13", true},
    {"four concealed triplets by tsumo", {"111m222p555m44s77s7s", "", "tsumo", ""}, "30", true},
    {"four concealed triplets on the pair", {"111m222p555m777s4s4s", "", "", ""}, "42", true},
    {"little dragons with honitsu and two value triplets", {"234m56m555666z77z7m", "", "", ""}, "25 19 6", true},
    {"honroutou excludes chanta", {"111m999p111z9s9s", "p111s", "", ""}, "20 18 13 6", true},
    {"chanta with the round wind", {"123m789p111z99s78s9s", "", "", ""}, "17 6", true},
    {"junchan excludes honroutou", {"123m789p789s99m12s3s", "", "", ""}, "23", true},
    {"chinitsu", {"222345456678m9m9m", "", "", ""}, "28", true},
    {"ryanpeikou with tanyao", {"223344m667788p5s5s", "", "", ""}, "24 5", true},
    {"seven pairs", {"1199m3355p77s11z5z5z", "", "", ""}, "16", true},
    {"seven pairs riichi tanyao tsumo", {"2255m3366p7788s4s4s", "", "tsumo riichi", ""}, "2 16 5 1", true},
    {"seven pairs of honours and terminals", {"11m99p11s223344z5z5z", "", "", ""}, "20 16", true},
    {"seven pairs honitsu", {"1133m5577m11z22z4z4z", "", "", ""}, "25 16", true},
    {"kokushi", {"19m19p19s1234567z1m", "", "", ""}, "29", true},
    {"kokushi thirteen-sided under rule 41", {"19m19p19s1234567z1m", "", "", "41=1"}, "44", true},
    {"kokushi single wait under rule 41", {"119m19p19s123456z7z", "", "", "41=1"}, "29", true},
    {"big dragons stand alone", {"23m44p555666777z1m", "", "dora=9m", ""}, "31", true},
    {"all honours with little winds", {"111222333z44z55z5z", "", "", ""}, "34 32", true},
    {"big winds on the pair", {"111222333444z5z5z", "", "tsumo", ""}, "42 34 43", true},
    {"all green", {"223344666888s66z", "", "", ""}, "38", true},
    {"all green without 発 under rule 31 = 0 is not", {"22334444666888s", "", "", "31=0"}, "28 7 5", true},
    {"nine gates", {"1112345678999m5m", "", "", ""}, "36", true},
    {"nine gates nine-sided under rule 42", {"1112345678999m5m", "", "", "42=1"}, "45", true},
    {"nine gates on a single wait under rule 42", {"1123455678999m1m", "", "", "42=1"}, "36", true},
    {"nine gates in circles need rule 29", {"1112345678999p5p", "", "", "29=0"}, "28", true},
    {"all terminals", {"111m999m111p1s1s", "p999p", "", ""}, "35", true},
    {"four kans", {"5z5z", "k1111m a2222p k3333s a4444z", "", ""}, "33", true},
    {"heavenly hand", {"234m567p345s11p67s8s", "", "dealer tsumo tenhou", ""}, "39", true},
    {"earthly hand", {"234m567p345s11p67s8s", "", "tsumo chiihou", ""}, "40", true},
    {"human hand as yakuman under rule 44 = 2", {"234m567p345s11p67s8s", "", "renhou", "44=2"}, "27", true},
    {"haitei tsumo", {"234m567p345s11p67s8s", "", "tsumo haitei", ""}, "8 1", true},
    {"houtei ron", {"234m567p345s11p67s8s", "", "houtei", ""}, "9 4", true},
    {"rinshan after a closed kan", {"234m567p55s67s8s", "a9999p", "tsumo rinshan", ""}, "10 1", true},
    {"rinshan is not haitei", {"234m567p55s67s8s", "a9999p", "tsumo rinshan haitei", ""}, "10 1", true},
    {"chankan", {"234m567p345s11p67s8s", "", "chankan", ""}, "11 4", true},
    {"three kans", {"234p77z", "k1111m k9999p a5555s", "", ""}, "22", true},
    {"three colour triplets", {"222m222p222s345m5p5p", "", "", ""}, "18 21 5", true},
    {"a lone dora is no yaku", {"234m567p11p67s8s", "c789s", "dora=9p", ""}, "50", false},
    {"nothing", {"234m567p11p67s8s", "c789s", "", ""}, "", false},
};

TEST(EvaluateWin, FindsTheYakuInOrder) {
  for (const test::YakuExpectation& c : kCases) test::ExpectYaku(c);
}

bool Evaluate(TableState& state, const char* hand, const char* melds, const char* words, const char* rules = "") {
  return test::EvaluateCase(state, {hand, melds, words, rules});
}

TEST(EvaluateWin, DoubleWindTripletCountsTwiceInOneEntry) {
  TableState state;
  ASSERT_TRUE(Evaluate(state, "234m567p345s99s11z1z", "", "dealer"));
  EXPECT_EQ(test::YakuListText(test::YakuListOf(state)), "6");
  EXPECT_EQ(state.yakuhaiCount[1], 2);
}

TEST(EvaluateWin, LargeCircleHandsByRule30) {
  struct Row {
    const char* rules;
    const char* hand;
    const char* expected;
  };
  const Row rows[] = {
      {"30=0", "22334455667788p", "28 24 5 4"},
      {"30=1", "22334455667788p", "28 24 5 4"},
      {"30=2", "22334455667788p", "37"},
      {"30=3", "22334455667788p", "37"},
      {"30=2", "11223344556677p", "37"},
      {"30=3", "11223344556677p", "28 24 4"},
      // Pairs that do not decompose take the seven-pairs path, where only rule 30 = 1 counts.
      {"30=1", "11224466778899p", "37"},
      {"30=2", "11224466778899p", "28 16"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(std::string(row.rules) + " " + row.hand);
    TableState state;
    EXPECT_TRUE(Evaluate(state, row.hand, "", "", row.rules));
    EXPECT_EQ(test::YakuListText(test::YakuListOf(state)), row.expected);
  }
}

TEST(EvaluateWin, TwoHanMinimumByRule3) {
  struct Row {
    const char* name;
    const char* hand;
    const char* words;
    const char* rules;
    bool valid;
  };
  // A pinfu hand (one han) and a closed-wait hand that only riichi can make a win.
  const char* pinfu = "234m567p345s11p67s8s";
  const char* kanchan = "234m567p345s11p79s8s";
  const Row rows[] = {
      {"one han, no minimum", pinfu, "", "3=0", true},
      {"one han under 全て適用", pinfu, "", "3=1", false},
      {"one han at four honba under ５本場以降", pinfu, "honba=4", "3=2", true},
      {"one han at five honba under ５本場以降", pinfu, "honba=5", "3=2", false},
      {"riichi and pinfu make two", pinfu, "riichi", "3=1", true},
      {"ippatsu does not count towards two", kanchan, "riichi ippatsu", "3=1", false},
      {"dora do not count towards two", pinfu, "dora=9p", "3=1", false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    TableState state;
    EXPECT_EQ(Evaluate(state, row.hand, "", row.words, row.rules), row.valid) << test::YakuListText(test::YakuListOf(state));
  }
}

// The first draw of a hand that is not complete: 九種公九牌倒牌 for a human
// with nine kinds or more, for a CPU seat with exactly nine; never later.
TEST(EvaluateWin, NineTerminalsOnlyAtTheFirstDraw) {
  struct Row {
    const char* name;
    int seat;
    const char* hand;
    const char* words;
    bool offered;
  };
  const char* tenKinds = "19m19p19s1234z234m5p";
  const char* nineKinds = "19m19p19s123z2345m5p";
  const Row rows[] = {
      {"human, ten kinds", 1, tenKinds, "tsumo chiihou", true},
      {"human, nine kinds", 1, nineKinds, "tsumo chiihou", true},
      {"CPU, ten kinds", 2, tenKinds, "tsumo chiihou", false},
      {"CPU, nine kinds", 2, nineKinds, "tsumo chiihou", true},
      {"dealer's first draw", 1, tenKinds, "dealer tsumo tenhou", true},
      {"after the first discard", 1, tenKinds, "tsumo", false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    TableState state;
    state.rules.value[3] = 1;  // an abort is not held to the two-han minimum
    WinSituation w = test::WinHand(row.hand);
    w.seat = row.seat;
    test::ApplyWords(w, row.words);
    EXPECT_EQ(test::EvaluateSituation(state, w), row.offered);
    EXPECT_EQ(test::YakuListText(test::YakuListOf(state, row.seat)), row.offered ? "152" : "");
  }
}

TEST(EvaluateWin, HeavenlyHandNeedsNoConcealedKan) {
  TableState state;
  ASSERT_TRUE(Evaluate(state, "234m567p55s67s8s", "a9999p", "dealer tsumo tenhou rinshan"));
  EXPECT_EQ(test::YakuListText(test::YakuListOf(state)), "10 1");
}

// Rule 44 = 1 values 人和 as a mangan through flag 9: the win stands without
// any other yaku, also under the two-han minimum.
TEST(EvaluateWin, HumanHandAsManganIsAFlag) {
  for (const char* rules : {"44=1", "44=1 3=1"}) {
    SCOPED_TRACE(rules);
    TableState state;
    EXPECT_TRUE(Evaluate(state, "234m567p345s11p79s8s", "", "renhou", rules));
    EXPECT_EQ(test::YakuListText(test::YakuListOf(state)), "");
    EXPECT_TRUE(state.manganYakuFlags[1][9]);
  }
  TableState state;
  EXPECT_FALSE(Evaluate(state, "234m567p345s11p79s8s", "", "renhou", "44=0"));
  EXPECT_FALSE(state.manganYakuFlags[1][9]);
}

TEST(EvaluateWin, EachEvaluationStartsFromEmptyOutputs) {
  TableState state;
  ASSERT_TRUE(Evaluate(state, "234m567p345s11p79s8s", "", "renhou", "44=1"));
  EXPECT_FALSE(Evaluate(state, "234m567p345s11p79s8s", "", ""));
  EXPECT_FALSE(state.manganYakuFlags[1][9]);
  EXPECT_EQ(test::YakuListText(test::YakuListOf(state)), "");
}

// 八連荘 is the dealer's: a former dealer that still carries a streak of seven
// does not get it.
TEST(EvaluateWin, PaarenchanForTheDealerUnderRule45) {
  struct Row {
    const char* name;
    const char* words;
    const char* rules;
    int streak;
    const char* expected;
  };
  const Row rows[] = {
      {"eighth dealer win", "dealer", "45=1", 7, "41"},
      {"seventh dealer win", "dealer", "45=1", 6, "4"},
      {"rule 45 off", "dealer", "45=0", 7, "4"},
      {"former dealer", "", "45=1", 7, "4"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    TableState state;
    test::ApplyRules(state.rules, row.rules);
    WinSituation w = test::WinHand("234m567p345s11p67s8s");
    test::ApplyWords(w, row.words);
    test::SetUpWinTable(state, w);
    state.players[1].dealerStreak = static_cast<std::int16_t>(row.streak);
    EXPECT_TRUE(EvaluateWin(state, 1, kRonWin));
    EXPECT_EQ(test::YakuListText(test::YakuListOf(state)), row.expected);
  }
}

TEST(EvaluateWin, KokushiMarksTheThirteenSidedWait) {
  TableState state;
  ASSERT_TRUE(Evaluate(state, "19m19p19s1234567z1m", "", ""));
  EXPECT_TRUE(state.kokushi13Wait[1]);
  ASSERT_TRUE(Evaluate(state, "119m19p19s123456z7z", "", ""));
  EXPECT_FALSE(state.kokushi13Wait[1]);
}

}  // namespace
}  // namespace mj::hand
