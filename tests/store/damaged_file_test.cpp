// A file that is not a database, or a damaged one: noticed at the first
// statement, its bytes kept aside before anything else, nothing written.
#include <gtest/gtest.h>

#include <fstream>

#include "store/file_problem.h"
#include "store/sqlite_connection.h"
#include "store/statement_helpers.h"
#include "tests/store/store_fixture.h"

namespace mj::store::test {
namespace {

using DamagedFile = StoreTest;

void WriteBytes(const std::string& path, const std::string& bytes, std::streamoff at = 0) {
  std::fstream out(path, std::ios::binary | std::ios::in | std::ios::out);
  out.seekp(at);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string Garbage(std::size_t size) {
  std::string bytes;
  while (bytes.size() < size) bytes += "これはデータベースではありません。";
  bytes.resize(size);
  return bytes;
}

TEST_F(DamagedFile, GarbageIsReportedAndItsBytesAreKept) {
  std::filesystem::resize_file(path, 0);
  WriteBytes(path, Garbage(8192));
  const std::string original = ReadBytes(path);
  const std::string copy = path + ".damaged";

  struct Row {
    const char* name;
    std::function<Status()> run;
  } rows[] = {
      {"a read", [&] { return store.LoadUser(1001, false).status(); }},
      {"a counted write", [&] { return store.AddUserStats(StatsDelta{1001, "", true, {1}}).status(); }},
      {"an option write", [&] { return store.SaveOption(1, 1, 1, "", ""); }},
      {"the start-up check", [&] { return store.CheckFile(); }},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const Status s = row.run();
    ASSERT_FALSE(s.ok());
    EXPECT_EQ(ProblemOf(s), FileProblem::Damaged);
    EXPECT_EQ(ProblemText(s), s.message());
    EXPECT_NE(s.message().find(kDamagedText), std::string::npos);
    EXPECT_NE(s.message().find(copy), std::string::npos);
    EXPECT_EQ(ReadBytes(path), original);
    EXPECT_EQ(ReadBytes(copy), original);
  }
  EXPECT_FALSE(std::filesystem::exists(path + ".damaged2"));  // one copy of the same bytes
}

TEST_F(DamagedFile, ADamagedPageFailsTheCheckAndTheChangeTogether) {
  std::int64_t rootPage = 0, pageSize = 0;
  {
    auto db = Connection::Open(path, nullptr);
    ASSERT_TRUE(db.ok());
    ASSERT_TRUE(ForEachRow(**db, "SELECT rootpage FROM sqlite_master WHERE name = 'ルールマスタ'", nullptr,
                           [&](const Statement& st) { rootPage = st.Int(0); })
                    .ok());
    ASSERT_TRUE(ForEachRow(**db, "PRAGMA page_size", nullptr, [&](const Statement& st) { pageSize = st.Int(0); }).ok());
  }
  ASSERT_GT(rootPage, 1);
  WriteBytes(path, Garbage(static_cast<std::size_t>(pageSize)), (rootPage - 1) * pageSize);
  const std::string damaged = ReadBytes(path);

  const Status check = store.CheckFile();
  EXPECT_EQ(ProblemOf(check), FileProblem::Damaged) << check.message();
  EXPECT_EQ(ReadBytes(path + ".damaged"), damaged);

  // Every counted change rewrites the check values, which reads every table:
  // the damage stops the change before anything of it lands.
  const Status write = store.SetRuleFlag(3, 2).status();
  EXPECT_EQ(ProblemOf(write), FileProblem::Damaged) << write.message();
  EXPECT_EQ(ReadBytes(path), damaged);
  EXPECT_FALSE(std::filesystem::exists(path + ".damaged2"));
}

TEST_F(DamagedFile, AnEmptyFileHasNoneOfTheTables) {
  std::filesystem::resize_file(path, 0);
  const Status s = store.CheckFile();
  EXPECT_EQ(ProblemOf(s), FileProblem::Damaged) << s.message();
  EXPECT_EQ(std::filesystem::file_size(path), 0u);
}

TEST_F(DamagedFile, ADifferentDamageGetsItsOwnCopy) {
  std::filesystem::resize_file(path, 0);
  WriteBytes(path, Garbage(4096));
  ASSERT_FALSE(store.LoadUser(1001, false).ok());
  WriteBytes(path, "other");
  const Status s = store.LoadUser(1001, false).status();
  ASSERT_EQ(ProblemOf(s), FileProblem::Damaged);
  EXPECT_NE(s.message().find(path + ".damaged2"), std::string::npos);
  EXPECT_EQ(ReadBytes(path + ".damaged2"), ReadBytes(path));
}

}  // namespace
}  // namespace mj::store::test
