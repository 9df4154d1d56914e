// The other tables, the check values and the file-level failures.
#include "store/data_store.h"

#include <gtest/gtest.h>

#include "store/file_problem.h"
#include "store/sqlite_connection.h"
#include "store/statement_helpers.h"
#include "tests/store/store_fixture.h"

namespace mj::store::test {
namespace {

using DataStoreTest = StoreTest;

std::int32_t Wins(const DataStore& store, std::int16_t user, std::int16_t code) {
  auto row = store.LoadYakuRecord(user, code);
  EXPECT_TRUE(row.ok());
  return row.ok() && row->has_value() ? (*row)->winCount : -1;
}

TEST_F(DataStoreTest, YakuWinsAreAddedTakenAndRemoved) {
  ASSERT_TRUE(store.AddYakuWins(1001, 6, "役牌", 2).ok());
  ASSERT_TRUE(store.AddYakuWins(1001, 6, "other name", 3).ok());
  ASSERT_TRUE(store.AddYakuWins(1001, 2, "リーチ", 1).ok());
  EXPECT_EQ(Wins(store, 1001, 6), 5);
  EXPECT_TRUE(VerifiesAtStartUp());

  auto rows = store.LoadYakuRecords(1001);
  ASSERT_TRUE(rows.ok());
  ASSERT_EQ(rows->size(), 2u);
  EXPECT_EQ((*rows)[0].code, 2);
  EXPECT_EQ((*rows)[1].name, "役牌");  // the name given when the row was created

  ASSERT_TRUE(store.AddYakuWins(1001, 6, "役牌", -5).ok());
  EXPECT_EQ(Wins(store, 1001, 6), 0);
  ASSERT_TRUE(store.AddYakuWins(1001, 9, "河底撈魚", -1).ok());  // nothing held, nothing taken
  auto none = store.LoadYakuRecord(1001, 9);
  ASSERT_TRUE(none.ok());
  EXPECT_FALSE(none->has_value());

  ASSERT_TRUE(store.RemoveEmptyYakuRecords(1001).ok());
  rows = store.LoadYakuRecords(1001);
  ASSERT_TRUE(rows.ok());
  ASSERT_EQ(rows->size(), 1u);
  EXPECT_EQ((*rows)[0].code, 2);
  EXPECT_TRUE(VerifiesAtStartUp());
}

TEST_F(DataStoreTest, OptionsAndSoundsAreWrittenOrInsertedOutsideTheCheck) {
  const CheckValues before = StoredCheckValues();
  ASSERT_TRUE(store.SaveOption(1, 4, 0, "/home/x/Tsubakiya.txt", "").ok());
  ASSERT_TRUE(store.SaveOption(1, 4, 0, "/tmp/it's.txt", "/tmp/wall.bmp").ok());
  ASSERT_TRUE(store.SaveOption(1, 1, 2, "", "").ok());
  auto option = store.LoadOption(1, 4);
  ASSERT_TRUE(option.ok() && option->has_value());
  EXPECT_EQ(**option, (OptionRow{0, "/tmp/it's.txt", "/tmp/wall.bmp"}));
  option = store.LoadOption(1, 1);
  ASSERT_TRUE(option.ok() && option->has_value());
  EXPECT_EQ((*option)->flag, 2);

  ASSERT_TRUE(store.SaveSound(1, 3, "/snd/pon.wav").ok());
  ASSERT_TRUE(store.SaveSound(1, 3, "").ok());
  auto sound = store.LoadSound(1, 3);
  ASSERT_TRUE(sound.ok() && sound->has_value());
  EXPECT_EQ(**sound, "");
  sound = store.LoadSound(1, 4);
  ASSERT_TRUE(sound.ok());
  EXPECT_FALSE(sound->has_value());

  EXPECT_EQ(StoredCheckValues(), before);
  EXPECT_TRUE(VerifiesAtStartUp());
}

TEST_F(DataStoreTest, SetRuleFlagNeedsAnExistingRow) {
  auto set = store.SetRuleFlag(51, 1);
  ASSERT_TRUE(set.ok());
  EXPECT_TRUE(*set);
  auto rule = store.LoadRule(51);
  ASSERT_TRUE(rule.ok() && rule->has_value());
  EXPECT_EQ((*rule)->flag, 1);
  EXPECT_TRUE(VerifiesAtStartUp());
  const CheckValues before = StoredCheckValues();
  set = store.SetRuleFlag(99, 1);
  ASSERT_TRUE(set.ok());
  EXPECT_FALSE(*set);
  EXPECT_EQ(StoredCheckValues(), before);
}

TEST_F(DataStoreTest, MoneyIsStoredWithItsCheckValues) {
  store.money = Money::FromUnits(12345);  // 1.2345
  ASSERT_TRUE(store.SaveMoney().ok());
  auto wallet = store.LoadWallet();
  ASSERT_TRUE(wallet.ok() && wallet->has_value());
  EXPECT_EQ((*wallet)->money, Money::FromUnits(12345));
  EXPECT_TRUE(VerifiesAtStartUp());
}

TEST_F(DataStoreTest, ACountedChangeMadeOutsideTheProgramIsNoticed) {
  struct Row {
    const char* name;
    const char* sql;
    bool stillValid;
  } rows[] = {
      {"a statistic", "UPDATE ユーザーマスタ SET 試合数 = 試合数 + 1 WHERE コード = 1001", false},
      {"a rating", "UPDATE ユーザーマスタ SET 総合雀力 = 2500 WHERE コード = 1002", false},
      {"a rule bought", "UPDATE ルールマスタ SET ルールフラグ = 0 WHERE コード = 3", false},
      {"a price", "UPDATE ルールマスタ SET 価格 = 1 WHERE コード = 3", false},
      {"yaku wins", "INSERT INTO 役マスタ VALUES (1001, 39, '天和', 3)", false},
      {"money", "UPDATE レジストマスタ SET 所持金 = 99999 WHERE コード = 1", false},
      {"a name", "UPDATE ユーザーマスタ SET ユーザー名称 = 'x' WHERE コード = 1001", true},
      {"a description", "UPDATE ルールマスタ SET ルール説明 = 'x' WHERE コード = 3", true},
      {"an option", "INSERT INTO オプションマスタ VALUES (1, 1, 2, '', '')", true},
      {"a sound", "INSERT INTO 効果音マスタ VALUES (1, 1, '/x.wav')", true},
      {"a lobby row", "INSERT INTO 通信マスタ VALUES (1, 'abc', 0, 0)", true},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    Outside(path, row.sql);
    EXPECT_EQ(VerifiesAtStartUp(), row.stillValid);
    std::filesystem::remove(path);
    std::filesystem::copy_file(ShippedDataFile(), path);
  }
}

TEST_F(DataStoreTest, AMissingFileIsReportedAndNeverCreated) {
  std::filesystem::remove(path);
  auto row = store.LoadUser(1001, false);
  ASSERT_FALSE(row.ok());
  EXPECT_EQ(ProblemOf(row.status()), FileProblem::Missing);
  EXPECT_EQ(ProblemText(row.status()), "システムファイルが見つかりません");
  EXPECT_FALSE(store.AddUserStats(StatsDelta{1, "a", false, {}}).ok());
  EXPECT_EQ(ProblemOf(store.CheckFile()), FileProblem::Missing);
  EXPECT_FALSE(std::filesystem::exists(path));
}

TEST_F(DataStoreTest, TheStartUpCheckTakesAFileBackFromAWriteAheadLog) {
  Outside(path, "PRAGMA journal_mode = WAL");
  ASSERT_TRUE(store.CheckFile().ok());
  auto db = Connection::Open(path, nullptr);
  ASSERT_TRUE(db.ok());
  std::string mode;
  ASSERT_TRUE(ForEachRow(**db, "PRAGMA journal_mode", nullptr, [&](const Statement& st) { mode = st.Text(0); }).ok());
  EXPECT_EQ(mode, "delete");
}

TEST_F(DataStoreTest, AReadOnlyFileOrFolderIsReported) {
  EXPECT_TRUE(store.CheckFile().ok());
  namespace fs = std::filesystem;
  struct Row {
    const char* name;
    fs::path target;
  } rows[] = {{"the file", path}, {"its folder", folder.path()}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const fs::perms before = fs::status(row.target).permissions();
    fs::permissions(row.target, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    const Status s = store.CheckFile();
    fs::permissions(row.target, before);
    EXPECT_EQ(ProblemOf(s), FileProblem::ReadOnly);
    EXPECT_EQ(ProblemText(s), "システムファイルが読み取り専用になっています");
  }
}

}  // namespace
}  // namespace mj::store::test
