#include <gtest/gtest.h>

#include <fstream>

#include "store/records_maintenance.h"
#include "tests/store/store_fixture.h"

namespace mj::store::test {
namespace {

class Rename : public StoreTest {
 protected:
  Rename() {
    EXPECT_TRUE(store.AddUserStats(StatsDelta{1, "太郎", false, {}}).ok());
    players[1].userCode = 1;
    players[1].name = "太郎";
    players[2].userCode = 1001;
    players[2].name = "すみれ";
  }
  std::array<Player, 5> players{};
};

TEST_F(Rename, AsksUntilANameFitsAndStoresIt) {
  constexpr const char* kTooLong = "入力した名前が長すぎます";
  constexpr const char* kUnusable = "入力した名前に使用できない文字が含まれています";
  constexpr const char* kTaken = "既に同一名のユーザーが存在しています";
  struct Row {
    const char* name;
    std::vector<std::optional<std::string>> answers;
    MaintenanceOutcome outcome;
    std::string stored;
    std::vector<std::string> infos;
  } rows[] = {
      {"cancel", {std::nullopt}, MaintenanceOutcome::Cancelled, "太郎", {}},
      {"blank", {"   "}, MaintenanceOutcome::Cancelled, "太郎", {}},
      {"trimmed", {"  次郎  "}, MaintenanceOutcome::Done, "次郎", {}},
      {"six full-width fit", {"あいうえおか"}, MaintenanceOutcome::Done, "あいうえおか", {}},
      {"seven full-width are too long", {"あいうえおかき", "花子"}, MaintenanceOutcome::Done, "花子", {kTooLong}},
      {"brackets", {"[x]", std::nullopt}, MaintenanceOutcome::Cancelled, "太郎", {kUnusable}},
      {"a double quote", {"a\"b", "ab"}, MaintenanceOutcome::Done, "ab", {kUnusable}},
      {"no Shift_JIS form", {"😀", std::nullopt}, MaintenanceOutcome::Cancelled, "太郎", {kUnusable}},
      {"unchanged", {"太郎"}, MaintenanceOutcome::Cancelled, "太郎", {}},
      {"a CPU's name", {"すみれ"}, MaintenanceOutcome::Cancelled, "太郎", {kTaken}},
      {"an apostrophe", {"O'Neil"}, MaintenanceOutcome::Done, "O'Neil", {}},
  };
  const std::string fresh = ReadBytes(path);
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    std::filesystem::remove(path);
    { std::ofstream(path, std::ios::binary) << fresh; }
    dialogs = {};
    dialogs.textAnswers = row.answers;
    std::array<Player, 5> seats = players;
    EXPECT_EQ(RenamePlayer(store, 1, "太郎", seats), row.outcome);
    EXPECT_EQ(User(1).name, row.stored);
    EXPECT_EQ(seats[1].name, row.stored);
    EXPECT_EQ(seats[2].name, "すみれ");
    EXPECT_EQ(dialogs.infos, row.infos);
    EXPECT_TRUE(dialogs.errors.empty());
    ASSERT_FALSE(dialogs.textPrompts.empty());
    EXPECT_EQ(dialogs.textPrompts[0], "名前変更|名前を入力して下さい\n\n最大で全角６文字、半角１２文字です|太郎");
    EXPECT_TRUE(VerifiesAtStartUp());  // names are outside the check
  }
}

TEST_F(Rename, AMissingFileShowsTheLookupTag) {
  std::filesystem::remove(path);
  dialogs.textAnswers = {"次郎"};
  EXPECT_EQ(RenamePlayer(store, 1, "太郎", players), MaintenanceOutcome::Failed);
  ASSERT_EQ(dialogs.errors.size(), 1u);
  EXPECT_EQ(dialogs.errors[0], "予期しないエラーが発生しました(ERR01 =14)");
  EXPECT_EQ(players[1].name, "太郎");
}

}  // namespace
}  // namespace mj::store::test
