// Another program holding the file: every operation waits, telling the
// window, and carries on once the lock is gone.
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "store/file_problem.h"
#include "store/lock_wait.h"
#include "store/sqlite_connection.h"
#include "tests/store/store_fixture.h"

namespace mj::store::test {
namespace {

// Holds the whole file locked from a second connection, as another machine would.
class Holder {
 public:
  explicit Holder(const std::string& path) {
    auto db = Connection::Open(path, nullptr);
    EXPECT_TRUE(db.ok());
    if (!db.ok()) return;
    db_ = std::move(*db);
    Status s = db_->Exec("BEGIN EXCLUSIVE");
    EXPECT_TRUE(s.ok()) << s.message();
  }
  void Release() {
    if (db_) db_->Exec("ROLLBACK");
    db_.reset();
  }

 private:
  std::unique_ptr<Connection> db_;
};

// Records the waits; after `releaseAfter` calls it lets the holder go, or
// gives up when told to.
class RecordingWait final : public LockWait {
 public:
  RecordingWait(Holder& holder, int releaseAfter, bool giveUp)
      : holder_(holder), releaseAfter_(releaseAfter), giveUp_(giveUp) {}
  bool KeepWaiting(std::chrono::milliseconds waited) override {
    ++calls;
    lastWaited = waited;
    if (calls < releaseAfter_) return true;
    if (giveUp_) return false;
    holder_.Release();
    return true;
  }
  void WaitEnded() override { ++ended; }

  int calls = 0, ended = 0;
  std::chrono::milliseconds lastWaited{0};

 private:
  Holder& holder_;
  int releaseAfter_;
  bool giveUp_;
};

struct Operation {
  const char* name;
  std::function<Status(DataStore&)> run;
  std::function<bool(DataStore&)> done;  // the effect is in the file
};

std::vector<Operation> Operations() {
  return {
      {"LoadUser", [](DataStore& s) { return s.LoadUser(1001, false).status(); },
       [](DataStore&) { return true; }},
      {"AddUserStats",
       [](DataStore& s) {
         StatsDelta d;
         d.code = 1001;
         d.amounts.games = 1;
         return s.AddUserStats(d).status();
       },
       [](DataStore& s) { return (*s.LoadUser(1001, false))->stats.games == 21; }},  // 1001 ships with 20
      {"SetRuleFlag", [](DataStore& s) { return s.SetRuleFlag(3, 2).status(); },
       [](DataStore& s) { return (*s.LoadRule(3))->flag == 2; }},
      {"SaveOption", [](DataStore& s) { return s.SaveOption(1, 2, 1, "", ""); },
       [](DataStore& s) { return s.LoadOption(1, 2)->has_value(); }},
      {"VerifyChecksum", [](DataStore& s) { return s.VerifyChecksum().status(); },
       [](DataStore&) { return true; }},
  };
}

using LockedFile = StoreTest;

struct WaitSeen {
  Status status;
  int calls = 0, ended = 0;
  std::chrono::milliseconds lastWaited{0};
};

// Runs op while a second connection holds the file.
WaitSeen RunWhileHeld(DataStore& store, const std::string& path, const Operation& op, int releaseAfter,
                      bool giveUp) {
  Holder holder(path);
  RecordingWait wait(holder, releaseAfter, giveUp);
  store.SetLockWait(&wait);
  WaitSeen seen{op.run(store)};
  store.SetLockWait(nullptr);
  holder.Release();
  seen.calls = wait.calls;
  seen.ended = wait.ended;
  seen.lastWaited = wait.lastWaited;
  return seen;
}

TEST_F(LockedFile, EveryOperationWaitsAndThenSucceeds) {
  for (const Operation& op : Operations()) {
    SCOPED_TRACE(op.name);
    const WaitSeen seen = RunWhileHeld(store, path, op, 3, false);
    EXPECT_TRUE(seen.status.ok()) << seen.status.message();
    EXPECT_GE(seen.calls, 3);  // it waited, and said so each time
    EXPECT_GE(seen.lastWaited.count(), 2 * kLockPause.count());
    EXPECT_EQ(seen.ended, 1);
    EXPECT_TRUE(op.done(store));
  }
  EXPECT_TRUE(VerifiesAtStartUp());
}

TEST_F(LockedFile, GivingUpChangesNothingAndSaysWhy) {
  const std::string bytes = ReadBytes(path);
  for (const Operation& op : Operations()) {
    SCOPED_TRACE(op.name);
    const WaitSeen seen = RunWhileHeld(store, path, op, 2, true);
    ASSERT_FALSE(seen.status.ok());
    EXPECT_EQ(ProblemOf(seen.status), FileProblem::Locked);
    EXPECT_EQ(ProblemText(seen.status), kLockedText);
    EXPECT_EQ(seen.calls, 2);
  }
  EXPECT_EQ(ReadBytes(path), bytes);
}

}  // namespace
}  // namespace mj::store::test
