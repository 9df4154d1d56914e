#include "engine/game_over.h"

#include <gtest/gtest.h>

#include "tests/support/fake_dialogs.h"

namespace mj::engine {
namespace {

struct Row {
  const char* name;
  int rule1;
  int handAtEntry;
  int dealerAtEntry;
  int winner;  // 0 = no win
  int nextHand;
  std::array<int, 4> scores;
  int rule22;
  bool over;
};

TEST(GameIsOver, FormatsLastHandsAndExtensions) {
  const Row rows[] = {
      {"tonpuu: non-dealer wins 東四局", 0, 4, 1, 2, 5, {30000, 30000, 20000, 20000}, 2, true},
      {"tonpuu: dealer wins 東四局 not strictly on top", 0, 4, 1, 1, 4, {30000, 30000, 20000, 20000}, 2, false},
      {"tonpuu: dealer wins 東四局 on top", 0, 4, 1, 1, 4, {31000, 30000, 20000, 19000}, 2, true},
      {"tonpuu: dealer on top but rule 22 off", 0, 4, 1, 1, 4, {31000, 30000, 20000, 19000}, 0, false},
      {"tonpuu: win before the last hand", 0, 3, 3, 1, 4, {31000, 30000, 20000, 19000}, 2, false},
      {"hanchan: draw in 南四局, dealer passes", 1, 8, 4, 0, 9, {25000, 25000, 25000, 25000}, 2, true},
      {"hanchan: draw in 南四局, dealer stays", 1, 8, 4, 0, 8, {25000, 25000, 25000, 25000}, 2, false},
      {"hanchan: draw in 東四局", 1, 4, 4, 0, 5, {25000, 25000, 25000, 25000}, 2, false},
      {"tonpuu+: all below 30000 goes on into 南", 2, 4, 4, 1, 5, {29900, 25100, 25000, 20000}, 2, false},
      {"tonpuu+: a draw in the extension never ends", 2, 6, 2, 0, 7, {35000, 25000, 20000, 20000}, 2, false},
      {"tonpuu+: first win in the extension with 30000 ends", 2, 6, 2, 3, 7, {30000, 25000, 25000, 20000}, 2, true},
      {"tonpuu+: extension win still all below", 2, 6, 2, 3, 7, {29900, 25100, 25000, 20000}, 2, false},
      {"tonpuu+: someone at 30000 after 東四局", 2, 4, 4, 1, 5, {30000, 25000, 25000, 20000}, 2, true},
      {"tonpuu+: all below when 北四局 passes", 2, 16, 4, 1, 17, {29900, 25100, 25000, 20000}, 2, true},
      {"tonpuu+: draw after 北四局 with all below", 2, 16, 4, 0, 17, {29900, 25100, 25000, 20000}, 2, true},
      {"issou: 南四局 win goes on", 4, 8, 4, 1, 9, {30000, 30000, 20000, 20000}, 2, false},
      {"issou: 北四局 non-dealer win", 4, 16, 4, 1, 17, {30000, 30000, 20000, 20000}, 2, true},
  };
  test::FakeDialogs dialogs;
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    TableState s;
    s.rules.value[1] = static_cast<std::int16_t>(r.rule1);
    s.rules.value[22] = static_cast<std::int16_t>(r.rule22);
    s.handNumber = static_cast<std::int16_t>(r.nextHand);
    for (int i = 0; i < 4; ++i) s.players[static_cast<std::size_t>(i + 1)].score = Money::FromPoints(r.scores[static_cast<std::size_t>(i)]);
    const HandEnd end{r.handAtEntry, r.dealerAtEntry, r.winner == 0 ? 1 : r.winner, r.winner != 0};
    EXPECT_EQ(GameIsOver(s, end, dialogs), r.over);
  }
}

TEST(GameIsOver, BustingUnderRule9EndsAtOnceButZeroDoesNot) {
  test::FakeDialogs dialogs;
  TableState s;
  s.rules.value[9] = 1;
  s.handNumber = 2;
  s.players[1].score = Money::FromPoints(0);
  const HandEnd end{2, 2, 2, true};
  EXPECT_FALSE(GameIsOver(s, end, dialogs));
  s.players[3].score = Money::FromPoints(-100);
  EXPECT_TRUE(GameIsOver(s, end, dialogs));
  s.rules.value[9] = 0;
  EXPECT_FALSE(GameIsOver(s, end, dialogs));
}

TEST(GameIsOver, HumanDealerIsAskedUnderRule22One) {
  test::FakeDialogs dialogs;
  TableState s;
  s.rules.value[22] = 1;
  s.handNumber = 8;
  const HandEnd humanDealer{8, 1, 1, true};
  dialogs.answerYes = true;
  EXPECT_TRUE(GameIsOver(s, humanDealer, dialogs));
  dialogs.answerYes = false;
  EXPECT_FALSE(GameIsOver(s, humanDealer, dialogs));
  EXPECT_EQ(dialogs.questions, (std::vector<std::string>{"和了止しますか？", "和了止しますか？"}));
  s.players[3].isCpu = true;
  const HandEnd cpuDealer{8, 3, 3, true};
  dialogs.answerYes = true;
  EXPECT_FALSE(GameIsOver(s, cpuDealer, dialogs));  // a CPU dealer always plays on
}

}  // namespace
}  // namespace mj::engine
