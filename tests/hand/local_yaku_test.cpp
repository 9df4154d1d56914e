// The local yaku in the win evaluation: each where it holds and where it
// does not, the seven-pairs replacements and the edge cases between them.
#include <gtest/gtest.h>

#include <string>

#include "hand/yaku_codes.h"
#include "tests/hand/win_fixture.h"

namespace mj::hand {
namespace {

// Seat 1 sits south in the east round and wins by ron on seat 3's discard
// unless the words say otherwise. Melds: c chi, p pon, k open kan, a closed kan.
struct LocalRow {
  const char* name;
  test::HandCase hand;
  const char* expected;  // the yaku list
  const char* flags;     // the mangan-class flags set
  bool valid;
};

std::string FlagsText(const TableState& state) {
  std::string text;
  for (int k = 1; k <= yaku::kManganFlagCount; ++k) {
    if (state.manganYakuFlags[1][static_cast<std::size_t>(k)]) text += (text.empty() ? "" : " ") + std::to_string(k);
  }
  return text;
}

void ExpectRow(const LocalRow& row, TableState& state) {
  SCOPED_TRACE(row.name);
  const bool valid = test::EvaluateCase(state, row.hand);
  EXPECT_EQ(test::YakuListText(test::YakuListOf(state)), row.expected) << row.hand.hand << " " << row.hand.melds;
  EXPECT_EQ(FlagsText(state), row.flags);
  EXPECT_EQ(valid, row.valid);
}

void ExpectRows(std::initializer_list<LocalRow> rows) {
  for (const LocalRow& row : rows) {
    TableState state;
    ExpectRow(row, state);
  }
}

constexpr const char* kFourMelds = "c123m p777s k9999p c456s";
constexpr const char* kPinfu = "234m567p345s11p67s8s";

TEST(LocalYaku, ShownMeldsAndHowTheTileCame) {
  ExpectRows({
      {"101 four open melds", {"5p5p", kFourMelds, "", "101=1"}, "101", "", true},
      {"101 not with a concealed kan", {"5p5p", "c123m p777s a9999p c456s", "", "101=1"}, "", "", false},
      {"122 four open melds on 白", {"5z5z", kFourMelds, "", "122=1"}, "", "7", true},
      {"122 not on another tile", {"5p5p", kFourMelds, "", "122=1"}, "", "", false},
      {"101 without 122 on 白 sets no flag", {"5z5z", kFourMelds, "", "101=1"}, "101", "", true},
      {"101 and 122 together", {"5z5z", kFourMelds, "", "101=1 122=1"}, "101", "7", true},
      {"102 ron after a kan", {"234m567p11p67s8s", "c789s", "afterkan", "102=1"}, "102", "", true},
      {"102 not without the kan", {"234m567p11p67s8s", "c789s", "", "102=1"}, "", "", false},
      {"102 on seven pairs", {"1199m3355p77s11z5z5z", "", "afterkan", "102=1"}, "16 102", "", true},
      {"103 the last copy at riichi", {kPinfu, "", "riichi lastcopy", "103=1"}, "2 103 4", "", true},
      {"103 not without it", {kPinfu, "", "riichi", "103=1"}, "2 4", "", true},
      {"111 open riichi tsumo", {kPinfu, "", "tsumo riichi open", "13=1 111=1"}, "111 4 1", "", true},
      {"111 not for a plain riichi", {kPinfu, "", "tsumo riichi", "13=1 111=1"}, "2 4 1", "", true},
      {"141 open riichi ron on a non-riichi discard", {kPinfu, "", "riichi open", ""}, "141", "", true},
      {"141 not by tsumo", {kPinfu, "", "tsumo riichi open", "13=1"}, "111 4 1", "", true},
  });
}

TEST(LocalYaku, ReplacementTilesAndTheLastTile) {
  ExpectRows({
      {"113 after two kans in a row", {"234m55s67s8s", "a9999p a1111s", "tsumo rinshan kanrun=2", "113=1"}, "113 1", "", true},
      {"113 not after one", {"234m55s67s8s", "a9999p a1111s", "tsumo rinshan kanrun=1", "113=1"}, "10 1", "", true},
      {"114 after a kan of 中 on bamboo", {"234m567p55s67s8s", "a7777z", "tsumo rinshan reddragonkan", "114=1"}, "114 10 1 6", "", true},
      {"114 not on characters", {"23m567p55s678s4m", "a7777z", "tsumo rinshan reddragonkan", "114=1"}, "10 1 6", "", true},
      {"119 rinshan on a red 5p", {"234m46p55s678s0p", "a9999p", "tsumo rinshan", "119=1"}, "10 1 52", "4", true},
      {"119 not on 8s", {"234m567p55s67s8s", "a9999p", "tsumo rinshan", "119=1"}, "10 1", "", true},
      {"117 robbing a kan on 2s", {"234m567p345s11p34s2s", "", "chankan", "117=1"}, "11 4", "2", true},
      {"117 not on 5s", {"234m567p345s11p34s5s", "", "chankan", "117=1"}, "7 11 4", "", true},
      {"116 haitei on 1p", {"234m567p345s23p99s1p", "", "tsumo haitei", "116=1"}, "8 1", "1", true},
      {"116 not on 4p", {"234m567p345s23p99s4p", "", "tsumo haitei", "116=1"}, "8 1", "", true},
      {"120 houtei on 9p", {"234m567p345s78p11s9p", "", "houtei", "120=1"}, "9 4", "5", true},
      {"120 not on 6p", {"234m567p345s78p11s6p", "", "houtei", "120=1"}, "9 4", "", true},
      {"116 on seven pairs", {"1199m3355p77s22z1p1p", "", "tsumo haitei", "116=1"}, "16 8 1", "1", true},
  });
}

TEST(LocalYaku, SetsAndSuits) {
  ExpectRows({
      {"108 three stepped triplets", {"111222333m45p99s6p", "", "", "108=1"}, "18 108", "", true},
      {"108 not with a gap", {"111222444m45p99s6p", "", "", "108=1"}, "18", "", true},
      {"109 three equal sequences", {"123m45p99s6p", "c123m c123m", "", "109=1"}, "109", "", true},
      {"109 not with two", {"123m45p99s6p", "c123m c234m", "", "109=1"}, "", "", false},
      {"110 1, 4 and 7 over three suits", {"123m456p789s45m11z6m", "", "", "110=1"}, "110", "", true},
      {"110 not in two suits", {"123m456p678s45m11z6m", "", "", "110=1"}, "", "", false},
      // The first such sequence of each suit counts: 123m before 456m leaves the 4 uncovered.
      {"110 reads each suit's first sequence", {"123456m789p12s11z3s", "", "", "110=1"}, "", "", false},
      {"112 2m 2p 2s and 中", {"222m222p222s5m5m", "p777z", "", "112=1"}, "18 13 21 112 6", "", true},
      {"112 not with 3s", {"333m333p333s5m5m", "p777z", "", "112=1"}, "18 13 21 6", "", true},
      {"115 open nine gates", {"2345678999m5m", "p111m", "", "115=1"}, "28 115", "", true},
      {"115 not without the 8", {"234567999m55m", "p111m", "", "115=1"}, "28", "", true},
      {"118 ittsu on the 5 between 4 and 6", {"12346789m234p99s5m", "", "", "118=1"}, "15", "3", true},
      {"118 not on the 1", {"23456789m234p99s1m", "", "", "118=1"}, "15 4", "", true},
      {"121 twin dragons", {"12789m123789s55p3m", "", "", "121=1"}, "", "6", true},
      {"121 not with unmatched sequences", {"12789m123678s55p3m", "", "", "121=1"}, "", "", false},
      {"123 ryanpeikou over two suits", {"112233m11223p55s3p", "", "", "123=1"}, "24", "8", true},
      {"123 not with different numbers", {"223344m55667p11s7p", "", "", "123=1"}, "24 4", "", true},
  });
}

TEST(LocalYaku, YakumanOfTheStandardPath) {
  ExpectRows({
      {"124 four stepped triplets", {"222333444m5p5p", "p111m", "", "124=1"}, "124", "", true},
      {"124 not with a kan among them", {"222333m5p5p", "p111m k4444m", "", "124=1"}, "13", "", true},
      {"125 four times three kinds", {"11112222333m5p5p3m", "", "", "125=1"}, "125", "", true},
      {"125 not three times", {"111222333m789m5p5p", "", "", "125=1"}, "18", "", true},
      // 96 in the tiles, 100 with the kan's fourth 4m.
      {"127 a kan's fourth tile counts", {"777888999m6m6m", "k4444m", "", "127=1"}, "127", "", true},
      {"127 not with a pon", {"777888999m6m6m", "p444m", "", "127=1"}, "28 18 13", "", true},
      {"128 exactly 55", {"123123456789m22m", "", "", "128=1"}, "128", "", true},
      {"128 not 57", {"123123456789m33m", "", "", "128=1"}, "28 15 7", "", true},
      {"129 a kan at the first draw", {"234m567p34s99p5s", "a1111z", "tsumo chiihou rinshan", "129=1"}, "129", "", true},
      {"129 not after a discard", {"234m567p34s99p5s", "a1111z", "tsumo rinshan", "129=1"}, "10 1 6", "", true},
      {"131 2p 4p 8p and winds", {"444888p111z2z2z", "p222p", "", "131=1"}, "131", "", true},
      {"131 not with 6p", {"444666p111z2z2z", "p222p", "", "131=1"}, "25 18 13 6", "", true},
      {"132 1p 5p 白 and the seat wind", {"555p555z222z9m9m", "p111p", "", "132=1"}, "132", "", true},
      {"132 not when south is not the seat's wind", {"555p555z222z9m9m", "p111p", "seat=30", "132=1"}, "18 13 6", "", true},
      {"133 1p 5p 1s and the seat wind", {"555p111s222z9m9m", "p111p", "", "133=1"}, "133", "", true},
      {"133 not with 9s", {"555p999s222z9m9m", "p111p", "", "133=1"}, "18 13 6", "", true},
      {"134 bamboo without 1 and 8", {"234567s999s234s5s5s", "", "", "134=1"}, "134", "", true},
      {"134 not with 8s", {"234567s888s234s5s5s", "", "", "134=1"}, "28 7 5", "", true},
      {"135 bamboo 2 to 8", {"234567s888s234s5s5s", "", "", "135=1"}, "135", "", true},
      {"135 not with 9s", {"234567s999s234s5s5s", "", "", "135=1"}, "28 7", "", true},
      {"136 1 3 5 7 of one suit", {"333555777m9p9p", "p111m", "", "136=1"}, "136", "", true},
      {"136 not 1 3 5 8", {"333555888m9p9p", "p111m", "", "136=1"}, "18 13", "", true},
      {"137 closed, one suit and 東", {"123456789m111z5m5m", "", "", "137=1"}, "137", "", true},
      {"137 not open", {"456789m111z5m5m", "c123m", "", "137=1"}, "25 15 6", "", true},
      {"138 green with 中", {"223344666888s7z7z", "", "", "138=1"}, "138", "", true},
      {"138 not with 発", {"223344666888s6z6z", "", "", "138=1"}, "38", "", true},
      {"139 four stepped sequences in order", {"123234345456m9p9p", "", "", "139=1"}, "139", "", true},
      {"139 not when a chi comes first", {"123234345m9p9p", "c456m", "", "139=1"}, "", "", false},
      {"140 1s 5s 7s 9s and 中", {"111555777s9s9s", "p777z", "", "140=1"}, "140", "", true},
      {"140 not with 8s", {"111555777s8s8s", "p777z", "", "140=1"}, "25 18 13 6", "", true},
  });
}

TEST(LocalYaku, SevenPairs) {
  ExpectRows({
      {"104 odd numbers", {"11335577m99p1133s", "", "", "104=1"}, "104", "", true},
      {"104 not with an even one", {"11335577m99p1144s", "", "", "104=1"}, "16", "", true},
      {"105 even numbers", {"22446688m22p4466s", "", "", "105=1"}, "105 5", "", true},
      {"105 not with an odd one", {"22446688m22p4477s", "", "", "105=1"}, "16 5", "", true},
      {"106 three dragon pairs", {"2244m1199p556677z", "", "", "106=1"}, "106", "", true},
      {"106 not with two", {"224466m1199p5566z", "", "", "106=1"}, "16", "", true},
      {"107 four wind pairs", {"11223344z1199p55m", "", "", "107=1"}, "107", "", true},
      {"107 not with three", {"112233z1199p5577m", "", "", "107=1"}, "16", "", true},
      // Both hold for all honours; without 字一色 on seven pairs the later one stays.
      {"106 then 107 on all honours", {"11223344556677z", "", "", "32=0 106=1 107=1"}, "20 107", "", true},
      {"all honours are 字一色 under rule 32", {"11223344556677z", "", "", "32=1 106=1 107=1"}, "34", "", true},
      {"131 on seven pairs", {"224488p11223344z", "", "", "131=1"}, "131", "", true},
      {"141 on seven pairs", {"1199m3355p77s11z5z5z", "", "riichi open", ""}, "141", "", true},
  });
}

TEST(LocalYaku, FirstDraw) {
  ExpectRows({
      {"126 unconnected with a pair", {"147m258p369s11234z", "", "tsumo chiihou", "126=1"}, "126", "", true},
      {"126 not with 6s and 8s", {"147m258p368s11234z", "", "tsumo chiihou", "126=1"}, "", "", false},
      {"126 not without a pair", {"147m258p369s12345z", "", "tsumo chiihou", "126=1"}, "", "", false},
      {"130 unconnected without a pair", {"147m258p369s12345z", "", "tsumo dealer tenhou", "130=1"}, "130", "", true},
      {"130 not with a pair", {"147m258p369s11234z", "", "tsumo dealer tenhou", "130=1"}, "", "", false},
  });
}

// 先付けなし: a local yaku of the fixed group that the hand could miss is
// stored marked, and 五心通貫 needs an unmarked 一気通貫.
TEST(LocalYaku, FixedYakuMarking) {
  ExpectRows({
      {"108 marked when 9s would not make it", {"222m33m456p99s3m", "p111m", "", "8=1 108=1"}, "1108", "", true},
      {"108 unmarked under rule 8 = 0", {"222m33m456p99s3m", "p111m", "", "8=0 108=1"}, "108", "", true},
      {"118 under rule 8 = 0", {"4666m789m234p5m", "c123m", "", "8=0 118=1"}, "15", "3", true},
      {"118 not when ittsu is marked", {"4666m789m234p5m", "c123m", "", "8=1 118=1"}, "1015", "", true},
  });
}

// Every hand above that holds a local yaku holds none of them with the switches off.
TEST(LocalYaku, NothingWithoutItsSwitch) {
  const test::HandCase hands[] = {
      {"5z5z", kFourMelds, "", ""},
      {"234m567p11p67s8s", "c789s", "afterkan", ""},
      {kPinfu, "", "riichi lastcopy", ""},
      {"234m55s67s8s", "a9999p a1111s", "tsumo rinshan kanrun=2", ""},
      {"234m567p55s67s8s", "a7777z", "tsumo rinshan reddragonkan", ""},
      {"111222333m45p99s6p", "", "", ""},
      {"12789m123789s55p3m", "", "", ""},
      {"777888999m6m6m", "k4444m", "", ""},
      {"11335577m99p1133s", "", "", ""},
      {"147m258p369s11234z", "", "tsumo chiihou", ""},
  };
  for (const test::HandCase& hand : hands) {
    SCOPED_TRACE(hand.hand);
    TableState state;
    test::EvaluateCase(state, hand);
    for (YakuCode code : test::YakuListOf(state)) EXPECT_TRUE(code < yaku::kFirstLocal || code > yaku::kLastLocal) << code;
    EXPECT_EQ(FlagsText(state), "");
  }
}

// What the situation words cannot say: the state is changed between the set-up and the evaluation.
TEST(LocalYaku, RonConditionsReadTheTable) {
  struct Row {
    const char* name;
    const char* words;
    void (*change)(TableState&);
    const char* expected;
  };
  const Row rows[] = {
      {"141 not when the discarder is in riichi", "riichi open", [](TableState& s) { s.riichiTurn[3] = 1; }, "111 4"},
      {"141 not when robbing a kan", "riichi open chankan", [](TableState&) {}, "111 11 4"},
      {"102 not when robbing a kan", "chankan", [](TableState& s) { s.discardAfterKan = true; }, "11 4"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    TableState state;
    const test::HandCase c{kPinfu, "", row.words, "102=1"};
    test::SetUpWinTable(state, test::Prepare(state, c));
    row.change(state);
    EvaluateWin(state, 1, kRonWin);
    EXPECT_EQ(test::YakuListText(test::YakuListOf(state)), row.expected);
  }
}

}  // namespace
}  // namespace mj::hand
