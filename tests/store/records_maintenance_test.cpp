// Resetting all records and deleting a player, on the shipped file with a
// couple of players added.
#include "store/records_maintenance.h"

#include <gtest/gtest.h>

#include "store/lock_wait.h"
#include "store/sqlite_connection.h"
#include "store/statement_helpers.h"
#include "tests/store/store_fixture.h"

namespace mj::store::test {
namespace {

class Maintenance : public StoreTest {
 protected:
  Maintenance() {
    for (std::int16_t code : {1, 2}) {
      StatsDelta d{code, code == 1 ? "太郎" : "花子", false, {}};
      d.amounts.games = 3;
      d.amounts.hands = 30;
      d.amounts.wins = 4;
      d.amounts.points = 25;
      d.amounts.places = {0, 1, 1, 1, 0};
      d.amounts.experience = 450;
      d.amounts.rating = 1530.5f;
      EXPECT_TRUE(store.AddUserStats(d).ok());
      EXPECT_TRUE(store.SaveOption(code, 1, 1, "", "").ok());
      EXPECT_TRUE(store.SaveSound(code, 1, "/s/dahai.wav").ok());
      EXPECT_TRUE(store.AddYakuWins(code, 2, "リーチ", 3).ok());
      Outside(path, "INSERT INTO 通信マスタ VALUES (" + std::to_string(code) + ", 'pass', 0, 1)");
    }
    EXPECT_TRUE(store.AddYakuWins(1001, 6, "役牌", 2).ok());
    for (std::int16_t code : {101, 115, 140}) EXPECT_TRUE(store.SetRuleFlag(code, 1).ok());
    EXPECT_TRUE(store.SetRuleFlag(3, 1).ok());
  }

  std::int64_t Count(const std::string& sql) {
    std::int64_t n = -1;
    auto db = Connection::Open(path, nullptr);
    EXPECT_TRUE(db.ok());
    if (db.ok()) {
      EXPECT_TRUE(ForEachRow(**db, sql, nullptr, [&](const Statement& st) { n = st.Int(0); }).ok());
    }
    return n;
  }
  std::int64_t LocalYakuOn() { return Count("SELECT COUNT(*) FROM ルールマスタ WHERE コード > 100 AND ルールフラグ <> 0"); }
};

TEST_F(Maintenance, ResetClearsStatisticsButKeepsExperience) {
  const UserRow cpuBefore = User(1001);
  EXPECT_EQ(ResetAllRecords(store), MaintenanceOutcome::Done);
  ASSERT_EQ(dialogs.questions.size(), 1u);
  EXPECT_EQ(dialogs.questions[0], "成績を全て初期化してよろしいですか？\n（経験値は初期化されません）");

  UserStats human;
  human.experience = 450;
  human.rating = 1500.0f;
  EXPECT_EQ(User(1).stats, human);
  EXPECT_EQ(User(2).stats, human);
  UserStats cpu;
  cpu.rating = cpuBefore.stats.rating;
  EXPECT_EQ(User(1001).stats, cpu);
  EXPECT_EQ(LocalYakuOn(), 0);
  EXPECT_EQ(Count("SELECT COUNT(*) FROM 役マスタ"), 0);
  EXPECT_EQ(Count("SELECT ルールフラグ FROM ルールマスタ WHERE コード = 3"), 1);  // bought rules stay bought
  EXPECT_EQ(Count("SELECT COUNT(*) FROM オプションマスタ"), 2);
  EXPECT_TRUE(VerifiesAtStartUp());
}

TEST_F(Maintenance, AnswersNoChangeNothing) {
  const std::string bytes = ReadBytes(path);
  dialogs.answerYes = false;
  EXPECT_EQ(ResetAllRecords(store), MaintenanceOutcome::Cancelled);
  EXPECT_EQ(DeletePlayer(store, 2, "花子"), MaintenanceOutcome::Cancelled);
  EXPECT_EQ(dialogs.questions.size(), 2u);
  EXPECT_EQ(dialogs.questions[1], "花子を削除してよろしいですか？\n（ローカル役の設定が元に戻ります）");
  EXPECT_EQ(ReadBytes(path), bytes);
}

TEST_F(Maintenance, DeleteRemovesEverythingUnderTheCode) {
  EXPECT_EQ(DeletePlayer(store, 2, "花子"), MaintenanceOutcome::Done);
  auto gone = store.LoadUser(2, false);
  ASSERT_TRUE(gone.ok());
  EXPECT_FALSE(gone->has_value());
  for (const char* table : {"役マスタ", "オプションマスタ", "効果音マスタ"}) {
    SCOPED_TRACE(table);
    EXPECT_EQ(Count(std::string("SELECT COUNT(*) FROM ") + table + " WHERE ユーザーコード = 2"), 0);
    EXPECT_EQ(Count(std::string("SELECT COUNT(*) FROM ") + table + " WHERE ユーザーコード = 1"), 1);
  }
  EXPECT_EQ(Count("SELECT COUNT(*) FROM 通信マスタ WHERE コード = 2"), 0);
  EXPECT_EQ(Count("SELECT COUNT(*) FROM 通信マスタ WHERE コード = 1"), 1);
  EXPECT_EQ(Count("SELECT COUNT(*) FROM 役マスタ WHERE ユーザーコード = 1001"), 1);
  EXPECT_EQ(LocalYakuOn(), 0);  // for everybody
  EXPECT_EQ(User(1).name, "太郎");
  EXPECT_TRUE(VerifiesAtStartUp());
}

TEST_F(Maintenance, ACpuCharacterIsNeverDeleted) {
  const std::string bytes = ReadBytes(path);
  EXPECT_EQ(DeletePlayer(store, 1003, "あやめ"), MaintenanceOutcome::Cancelled);
  EXPECT_TRUE(dialogs.questions.empty());
  EXPECT_EQ(ReadBytes(path), bytes);
}

class GiveUpAtOnce final : public LockWait {
 public:
  bool KeepWaiting(std::chrono::milliseconds) override { return false; }
};

TEST_F(Maintenance, AFailureShowsTheTagAndLeavesEverythingAsItWas) {
  auto holder = Connection::Open(path, nullptr);
  ASSERT_TRUE(holder.ok());
  ASSERT_TRUE((*holder)->Exec("BEGIN EXCLUSIVE").ok());
  GiveUpAtOnce giveUp;
  store.SetLockWait(&giveUp);
  EXPECT_EQ(ResetAllRecords(store), MaintenanceOutcome::Failed);
  EXPECT_EQ(DeletePlayer(store, 2, "花子"), MaintenanceOutcome::Failed);
  store.SetLockWait(nullptr);
  ASSERT_TRUE((*holder)->Exec("ROLLBACK").ok());
  ASSERT_EQ(dialogs.errors.size(), 2u);
  EXPECT_EQ(dialogs.errors[0], "予期しないエラーが発生しました(ERR02 =5)");
  EXPECT_EQ(dialogs.errors[1], "予期しないエラーが発生しました(ERR05 =5)");
  EXPECT_EQ(User(2).stats.games, 3);
  EXPECT_EQ(LocalYakuOn(), 3);
  EXPECT_TRUE(VerifiesAtStartUp());
}

}  // namespace
}  // namespace mj::store::test
