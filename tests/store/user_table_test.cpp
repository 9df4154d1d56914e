// The user table: LoadUser, AddUserStats and UnlockCharacter on the shipped file.
#include <gtest/gtest.h>

#include "tests/store/store_fixture.h"

namespace mj::store::test {
namespace {

using UserTable = StoreTest;

StatsDelta Delta(std::int16_t code, std::string name) {
  StatsDelta d;
  d.code = code;
  d.name = std::move(name);
  d.amounts.games = 1;
  d.amounts.hands = 9;
  d.amounts.wins = 2;
  d.amounts.dealIns = 1;
  d.amounts.riichis = 3;
  d.amounts.calls = 4;
  d.amounts.points = -12;
  d.amounts.places[2] = 1;
  d.amounts.experience = 35;
  d.amounts.rating = 1.25f;
  return d;
}

TEST_F(UserTable, LoadUserCanAskForEnabledRowsOnly) {
  struct Row {
    std::int16_t code;
    bool enabledOnly;
    bool found;
  } rows[] = {{1001, true, true}, {1006, true, false}, {1006, false, true}, {1, false, false}};
  for (const Row& r : rows) {
    SCOPED_TRACE(testing::Message() << r.code << (r.enabledOnly ? " enabled only" : ""));
    auto row = store.LoadUser(r.code, r.enabledOnly);
    ASSERT_TRUE(row.ok()) << row.status().message();
    EXPECT_EQ(row->has_value(), r.found);
  }
}

TEST_F(UserTable, AddsToAnExistingRowAndKeepsTheCheckValid) {
  const UserRow before = User(1003);
  auto done = store.AddUserStats(Delta(1003, ""));
  ASSERT_TRUE(done.ok()) << done.status().message();
  EXPECT_TRUE(*done);
  const UserRow after = User(1003);
  EXPECT_EQ(after.stats.games, before.stats.games + 1);
  EXPECT_EQ(after.stats.hands, before.stats.hands + 9);
  EXPECT_EQ(after.stats.wins, before.stats.wins + 2);
  EXPECT_EQ(after.stats.dealIns, before.stats.dealIns + 1);
  EXPECT_EQ(after.stats.riichis, before.stats.riichis + 3);
  EXPECT_EQ(after.stats.calls, before.stats.calls + 4);
  EXPECT_EQ(after.stats.points, before.stats.points - 12);
  EXPECT_EQ(after.stats.places[2], before.stats.places[2] + 1);
  EXPECT_EQ(after.stats.experience, before.stats.experience + 35);
  EXPECT_EQ(after.stats.rating, before.stats.rating + 1.25f);
  EXPECT_EQ(after.name, before.name);
  EXPECT_TRUE(VerifiesAtStartUp());
  EXPECT_EQ(store.checkValues, StoredCheckValues());
}

TEST_F(UserTable, RatingStaysInSinglePrecision) {
  StatsDelta d;
  d.code = 1001;
  d.amounts.rating = 0.1f;
  const float expected = User(1001).stats.rating + 0.1f;
  ASSERT_TRUE(store.AddUserStats(d).ok());
  EXPECT_EQ(User(1001).stats.rating, expected);
  EXPECT_TRUE(VerifiesAtStartUp());
}

TEST_F(UserTable, InsertsANewRowWithTheDeltaAsItsValues) {
  StatsDelta d = Delta(1, "O'Neil \"the\" 卓");  // quotes round-trip: values are bound, not spliced
  d.amounts.rating = kNewPlayerRating;
  auto done = store.AddUserStats(d);
  ASSERT_TRUE(done.ok()) << done.status().message();
  EXPECT_TRUE(*done);
  const UserRow row = User(1);
  EXPECT_EQ(row.name, d.name);
  EXPECT_FALSE(row.isCpu);
  EXPECT_TRUE(row.enabled);
  EXPECT_EQ(row.stats, d.amounts);
  EXPECT_TRUE(VerifiesAtStartUp());
}

TEST_F(UserTable, WritesNothingForAMissingRowWithoutAName) {
  const CheckValues before = StoredCheckValues();
  auto done = store.AddUserStats(Delta(7, ""));
  ASSERT_TRUE(done.ok());
  EXPECT_FALSE(*done);
  auto row = store.LoadUser(7, false);
  ASSERT_TRUE(row.ok());
  EXPECT_FALSE(row->has_value());
  EXPECT_EQ(StoredCheckValues(), before);
}

TEST_F(UserTable, ChangesNothingWhileStatisticsAreOff) {
  const UserRow before = User(1002);
  const CheckValues checkBefore = StoredCheckValues();
  const std::string bytes = ReadBytes(path);
  store.statsEnabled = false;
  for (const StatsDelta& d : {Delta(1002, ""), Delta(9, "新人")}) {
    auto done = store.AddUserStats(d);
    ASSERT_TRUE(done.ok());
    EXPECT_TRUE(*done);
  }
  EXPECT_EQ(User(1002), before);
  EXPECT_EQ(StoredCheckValues(), checkBefore);
  EXPECT_EQ(ReadBytes(path), bytes);
}

TEST_F(UserTable, AChangeAndItsCheckValuesLandTogether) {
  Outside(path, "DELETE FROM レジストマスタ");  // the check values can no longer be written
  const UserRow before = User(1003);
  auto done = store.AddUserStats(Delta(1003, ""));
  EXPECT_FALSE(done.ok());
  EXPECT_EQ(User(1003), before);  // the statistics did not land without them
  EXPECT_FALSE(store.SetRuleFlag(3, 1).ok());
  EXPECT_EQ((*store.LoadRule(3))->flag, -1);
}

TEST_F(UserTable, UnlocksACharacterOnceWithOneMessage) {
  ASSERT_FALSE(User(1006).enabled);
  EXPECT_TRUE(store.UnlockCharacter(1));
  EXPECT_TRUE(User(1006).enabled);
  ASSERT_EQ(dialogs.infos.size(), 1u);
  EXPECT_EQ(dialogs.infos[0], "新キャラクター「" + User(1006).name + "」を入手しました");
  EXPECT_TRUE(VerifiesAtStartUp());

  const std::string bytes = ReadBytes(path);
  EXPECT_TRUE(store.UnlockCharacter(1));
  EXPECT_EQ(dialogs.infos.size(), 1u);
  EXPECT_EQ(ReadBytes(path), bytes);
  EXPECT_TRUE(dialogs.errors.empty());
}

TEST_F(UserTable, UnlockingACharacterThatIsNotThereFails) {
  EXPECT_FALSE(store.UnlockCharacter(16));  // 1021
  ASSERT_EQ(dialogs.errors.size(), 1u);
  EXPECT_EQ(dialogs.errors[0], "ユーザー情報の取得に失敗しました");
  EXPECT_TRUE(dialogs.infos.empty());
}

}  // namespace
}  // namespace mj::store::test
