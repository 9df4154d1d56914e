#include "store/record_figures.h"

#include <gtest/gtest.h>

#include "tests/store/store_fixture.h"

namespace mj::store {
namespace {

UserStats Places(int p1, int p2, int p3, int p4) {
  UserStats s;
  s.places = {0, p1, p2, p3, p4};
  return s;
}

TEST(RecordFigures, AveragePlace) {
  struct Row {
    const char* name;
    UserStats stats;
    const char* shown;
  } rows[] = {
      {"1, 1, 0, 2 places", Places(1, 1, 0, 2), "2.750"},
      {"no games", Places(0, 0, 0, 0), "0.000"},
      {"always first", Places(5, 0, 0, 0), "1.000"},
      {"thirds", Places(1, 1, 1, 0), "2.000"},
      {"1.0625 rounds down to even", Places(15, 1, 0, 0), "1.062"},
      {"1.1875 rounds up to even", Places(13, 3, 0, 0), "1.188"},
      {"a repeating fraction", Places(1, 0, 2, 0), "2.333"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(FormatThousandths(AveragePlaceThousandths(row.stats)), row.shown);
  }
}

TEST(RecordFigures, Rates) {
  struct Row {
    const char* name;
    std::int32_t count, hands;
    const char* shown;
  } rows[] = {
      {"3 in 7", 3, 7, "42.857"},
      {"none in none", 0, 0, "0.000"},
      {"none in some", 0, 12, "0.000"},
      {"all", 9, 9, "100.000"},
      {"1.5625 rounds down to even", 1, 64, "1.562"},
      {"4.6875 rounds up to even", 3, 64, "4.688"},
      {"counts without hands read 0", 2, 0, "0.000"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(FormatThousandths(RateThousandths(row.count, row.hands)), row.shown);
  }
}

TEST(RecordFigures, RatingIsShownWithTwoDecimals) {
  EXPECT_EQ(FormatRating(1500.0f), "1500.00");
  EXPECT_EQ(FormatRating(1532.125f), "1532.12");
  EXPECT_EQ(FormatRating(-30.5f), "-30.50");
}

TEST(RecordFigures, SlotsMapCodesToDisplayOrder) {
  struct Row {
    int code, slot;
  } rows[] = {{1, 1},  {45, 45},   {46, 0},   {50, 46}, {52, 48}, {53, 0},  {100, 0},
              {101, 49}, {140, 88}, {141, 0}, {151, 0}, {198, 89}, {199, 90}, {200, 0}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.code);
    EXPECT_EQ(YakuSlotOf(row.code), row.slot);
  }
}

TEST(RecordFigures, CompletionAndYakumanCountTheRightSlots) {
  const std::vector<YakuRecord> rows = {
      {2, "リーチ", 10}, {28, "清一色", 5},  {29, "国士無双", 2}, {45, "九連宝燈９面待", 1}, {51, "ウラドラ", 0},
      {124, "四連刻", 3}, {141, "", 4},      {199, "チョンボ", 6}};
  const RecordFigures f = FiguresOf(UserStats{}, rows);
  EXPECT_EQ(f.yakumanWins, 2 + 1 + 3);
  EXPECT_EQ(f.completion, 5);  // 2, 28, 29, 45, 124; 51 has no win, 141 and 199 do not count
  EXPECT_EQ(CompletionCaption(f.completion), "和了役 05/88");
  ASSERT_TRUE(f.slots[47].has_value());
  EXPECT_EQ(f.slots[47]->winCount, 0);
  EXPECT_FALSE(f.slots[3].has_value());
  ASSERT_TRUE(f.slots[90].has_value());
  EXPECT_EQ(f.slots[90]->name, "チョンボ");

  std::vector<YakuRecord> all;
  for (int code : {1, 50, 101}) {
    for (int i = 0; i < (code == 1 ? 45 : code == 50 ? 3 : 40); ++i) {
      all.push_back({static_cast<std::int16_t>(code + i), "x", 1});
    }
  }
  EXPECT_EQ(FiguresOf(UserStats{}, all).completion, 88);
  EXPECT_EQ(CompletionCaption(88), "和了役 COMPLETE!!");
  EXPECT_EQ(CompletionCaption(12), "和了役 12/88");
}

using PlayerRecordTest = test::StoreTest;

TEST_F(PlayerRecordTest, ReadsTheRowAndTheYakuOfOnePlayer) {
  StatsDelta d{5, "花子", false, {}};
  d.amounts.hands = 7;
  d.amounts.wins = 3;
  d.amounts.places = {0, 1, 1, 0, 2};
  ASSERT_TRUE(store.AddUserStats(d).ok());
  ASSERT_TRUE(store.AddYakuWins(5, 36, "九連宝燈", 1).ok());
  ASSERT_TRUE(store.AddYakuWins(5, 1, "門前清摸和", 4).ok());
  auto record = LoadPlayerRecord(store, 5);
  ASSERT_TRUE(record.ok() && record->has_value());
  EXPECT_EQ((*record)->row.name, "花子");
  EXPECT_EQ(FormatThousandths((*record)->figures.winRate), "42.857");
  EXPECT_EQ(FormatThousandths((*record)->figures.averagePlace), "2.750");
  EXPECT_EQ((*record)->figures.yakumanWins, 1);
  EXPECT_EQ((*record)->figures.completion, 2);
  auto none = LoadPlayerRecord(store, 6);
  ASSERT_TRUE(none.ok());
  EXPECT_FALSE(none->has_value());
}

}  // namespace
}  // namespace mj::store
