// Several processes sharing one file, as the machines of a LAN game do:
// no increment is lost and the check values stay true to the tables.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>

#include "tests/store/store_fixture.h"

namespace mj::store::test {
namespace {

constexpr int kProcesses = 4;
constexpr int kIncrements = 200;

class SilentDialogs final : public Dialogs {
 public:
  void ShowError(std::string_view) override {}
  void ShowInfo(std::string_view) override {}
  bool AskYesNo(std::string_view) override { return false; }
  bool AskOpenRiichi() override { return false; }
};

// One writer: every increment adds a game, the writer's number in points and
// a quarter of rating to the same row, plus one yaku win.
[[noreturn]] void Writer(const std::string& path, int number, Money money, int startPipe) {
  char go = 0;
  if (::read(startPipe, &go, 1) != 1) ::_exit(3);
  SilentDialogs dialogs;
  DataStore store(path, dialogs);
  store.money = money;
  for (int i = 0; i < kIncrements; ++i) {
    StatsDelta d;
    d.code = 1001;
    d.amounts.games = 1;
    d.amounts.points = number;
    d.amounts.rating = 0.25f;
    auto done = store.AddUserStats(d);
    if (!done.ok() || !*done) ::_exit(1);
    if (!store.AddYakuWins(1001, 6, "役牌", 1).ok()) ::_exit(2);
  }
  ::_exit(0);
}

using SharedFile = StoreTest;

TEST_F(SharedFile, FourProcessesLoseNoIncrement) {
  const UserRow before = User(1001);
  int pipeEnds[2];
  ASSERT_EQ(::pipe(pipeEnds), 0);
  std::array<pid_t, kProcesses> children{};
  for (int n = 0; n < kProcesses; ++n) {
    children[static_cast<std::size_t>(n)] = ::fork();
    ASSERT_GE(children[static_cast<std::size_t>(n)], 0);
    if (children[static_cast<std::size_t>(n)] == 0) {
      ::close(pipeEnds[1]);
      Writer(path, n + 1, store.money, pipeEnds[0]);
    }
  }
  ::close(pipeEnds[0]);
  const std::string go(kProcesses, 'g');  // all start at once
  ASSERT_EQ(::write(pipeEnds[1], go.data(), go.size()), static_cast<ssize_t>(go.size()));
  ::close(pipeEnds[1]);
  for (pid_t child : children) {
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "writer exit " << WEXITSTATUS(status);
  }

  const UserRow after = User(1001);
  EXPECT_EQ(after.stats.games, before.stats.games + kProcesses * kIncrements);
  EXPECT_EQ(after.stats.points, before.stats.points + kIncrements * (1 + 2 + 3 + 4));
  EXPECT_EQ(after.stats.rating, before.stats.rating + 0.25f * kProcesses * kIncrements);
  auto yaku = store.LoadYakuRecord(1001, 6);
  ASSERT_TRUE(yaku.ok() && yaku->has_value());
  EXPECT_EQ((*yaku)->winCount, kProcesses * kIncrements);
  EXPECT_TRUE(VerifiesAtStartUp());
}

}  // namespace
}  // namespace mj::store::test
