#include "hand/yaku_tables.h"

#include <gtest/gtest.h>

namespace mj::hand {
namespace {

TEST(InitYakuTables, NamesAndRarityOfTheCodes) {
  struct Row {
    int code;
    const char* name;
    int rarity;
  };
  const Row rows[] = {
      {1, "門前清摸和", 8},    {5, "断ヤオ", 12},         {6, "役牌", 14},          {11, "槍槓", 3200},
      {16, "七対子", 55},      {20, "混老頭", 1028},       {26, "流し満貫", 2048},   {27, "人和", 12800},
      {33, "四槓子", 20000},   {39, "天和", 25600},        {44, "国士無双１３面待", 14400},
      {45, "九連宝燈９面待", 16000},                       {50, "ドラ", 1},          {51, "ウラドラ", 1},
      {52, "アカドラ", 1},     {101, "金鶏独立", 1},       {128, "紀州五十五萬石", 1}, {140, "紅孔雀", 1},
      {141, "", 0},            {151, "流局", 0},           {152, "九種公九牌倒牌", 0}, {156, "三家和", 0},
      {198, "チョンボ(ノーテンリーチ)", 0},                {199, "チョンボ", 0},     {0, "", 0},
  };
  const YakuTables tables = InitYakuTables();
  for (const Row& row : rows) {
    SCOPED_TRACE(row.code);
    EXPECT_EQ(tables.yakuNames[static_cast<std::size_t>(row.code)], row.name);
    EXPECT_EQ(YakuName(row.code), row.name);
    EXPECT_EQ(YakuRarity(row.code), row.rarity);
  }
}

TEST(InitYakuTables, EveryYakuHasANameAndARarity) {
  const YakuTables tables = InitYakuTables();
  for (int code = 1; code <= 140; ++code) {
    if (code > 52 && code < 101) continue;
    if (code > 45 && code < 50) continue;
    SCOPED_TRACE(code);
    EXPECT_FALSE(tables.yakuNames[static_cast<std::size_t>(code)].empty());
    EXPECT_GT(tables.yakuRarity[static_cast<std::size_t>(code)], 0);
  }
  EXPECT_EQ(YakuName(-1), "");
  EXPECT_EQ(YakuName(1006), "");
  EXPECT_EQ(YakuRarity(151), 0);
}

}  // namespace
}  // namespace mj::hand
