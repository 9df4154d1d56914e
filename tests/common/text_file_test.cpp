#include "common/text_file.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace mj {
namespace {

class TextFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = std::filesystem::temp_directory_path() /
           ("mj_text_file_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    std::filesystem::remove_all(dir_);
    std::filesystem::create_directories(dir_);
  }
  void TearDown() override {
    std::filesystem::permissions(dir_, std::filesystem::perms::owner_all);
    std::filesystem::remove_all(dir_);
  }
  std::string Path(const char* name) const { return (dir_ / name).string(); }
  std::filesystem::path dir_;
};

TEST_F(TextFileTest, AppendKeepsEarlierLinesAndReadStripsCrLf) {
  const std::string path = Path("log.txt");
  ASSERT_TRUE(CreateEmptyFile(path).ok());
  ASSERT_TRUE(AppendLines(path, {"one", "two"}, "\r\n").ok());
  ASSERT_TRUE(AppendLines(path, {"three"}, "\r\n").ok());
  auto lines = ReadLines(path);
  ASSERT_TRUE(lines.ok());
  EXPECT_EQ(*lines, (std::vector<std::string>{"one", "two", "three"}));
  ASSERT_TRUE(WriteLines(path, {"fresh"}).ok());
  EXPECT_EQ(*ReadLines(path), (std::vector<std::string>{"fresh"}));
  ASSERT_TRUE(DeleteFile(path).ok());
  EXPECT_FALSE(FileExists(path));
}

TEST_F(TextFileTest, FailuresComeBackAsStatus) {
  EXPECT_FALSE(ReadLines(Path("missing.txt")).ok());
  EXPECT_FALSE(DeleteFile(Path("missing.txt")).ok());
  const Status s = AppendLines(Path("no/such/dir/x.txt"), {"a"});
  EXPECT_FALSE(s.ok());
  EXPECT_NE(s.message().find("x.txt"), std::string::npos);
}

}  // namespace
}  // namespace mj
