#include "common/sjis_text.h"

#include <gtest/gtest.h>

namespace mj {
namespace {

TEST(ShiftJis, ByteLengthCountsFullWidthTwoAndHalfWidthOne) {
  struct Row {
    const char* text;
    int bytes;
  };
  const Row rows[] = {
      {"", 0},         {"abc", 3},          {"東南", 4},        {"Player東", 8},
      {"ｱｲｳ", 3},      {"ＡＢ12", 6},       {"①～", 4},         {"つばきや123", 11},
      {"é", 2},  // no CP932 form: counted as full width
  };
  for (const Row& row : rows) EXPECT_EQ(ByteLength(row.text), row.bytes) << row.text;
}

TEST(ShiftJis, RoundTripsThroughCp932AndRefusesWhatItCannotHold) {
  const std::string text = "麻雀①～ｶﾀｶﾅ";
  auto sjis = ToShiftJis(text);
  ASSERT_TRUE(sjis.has_value());
  EXPECT_EQ(FromShiftJis(*sjis), text);
  // Characters other encoders mangle are written, as their CP932 forms.
  EXPECT_EQ(ByteLength("−〜"), 4);
  EXPECT_TRUE(IsShiftJisText("−〜"));
  EXPECT_FALSE(IsShiftJisText("😀"));
  EXPECT_FALSE(IsShiftJisText("€"));
  EXPECT_TRUE(IsShiftJisText("ABC東"));
}

TEST(ShiftJis, ReplacingWritesWhatCp932CannotHoldAsQuestionMarks) {
  EXPECT_EQ(FromShiftJis(ToShiftJisReplacing("名前é😀東")), "名前??東");
  EXPECT_EQ(ToShiftJisReplacing("abc"), "abc");
}

TEST(ShiftJis, CutsNeverSplitADoubleByteCharacter) {
  const std::string text = "a東b南";  // bytes: a(1) 東(2,3) b(4) 南(5,6)
  EXPECT_EQ(LeftBytes(text, 1), "a");
  EXPECT_EQ(LeftBytes(text, 2), "a");     // 東 would be cut in two
  EXPECT_EQ(LeftBytes(text, 3), "a東");
  EXPECT_EQ(RightBytes(text, 1), "");     // half of 南
  EXPECT_EQ(RightBytes(text, 3), "b南");
  EXPECT_EQ(RightBytes(text, 99), text);
  EXPECT_EQ(MidBytes(text, 2, 3), "東b");
  EXPECT_EQ(MidBytes(text, 3, 2), "b");   // starts inside 東
  EXPECT_EQ(PadBytes("東a", 6), "東a   ");
  EXPECT_EQ(PadBytes("東東東", 4), "東東東");
}

}  // namespace
}  // namespace mj
