#include "tools/sim/human_bot.h"

#include <gtest/gtest.h>

#include "tools/sim/sim_run.h"

namespace mj::sim {
namespace {

// Under the default rule 7 a passive table can keep its dealer for ever;
// rule 7 = 0 passes the deal on every draw, so these games end.
SimOptions HumanBotGames(int games) {
  SimOptions options;
  options.games = games;
  options.seed = 1;
  options.humanBot = true;
  options.rules.value[7] = 0;
  return options;
}

TEST(HumanBot, PlaysWholeGamesThroughTheHumansCalls) {
  const SimSummary first = RunSimulation(HumanBotGames(30), nullptr);
  EXPECT_EQ(first.invariantViolations, 0) << first.violation;
  EXPECT_EQ(first.games, 30);
  EXPECT_TRUE(first.humanBot.played);
  EXPECT_GT(first.humanBot.pons, 0);
  EXPECT_GT(first.humanBot.chis, 0);
  EXPECT_GT(first.humanBot.discards, 0);
  EXPECT_GT(first.seats[1].callHands, 0);

  const SimSummary again = RunSimulation(HumanBotGames(30), nullptr);
  EXPECT_EQ(again.digest, first.digest);
}

TEST(HumanBot, TheSwitchOnTheCommandLine) {
  const Result<SimOptions> on = ParseSimOptions({"--games", "2", "--human-bot"});
  ASSERT_TRUE(on.ok());
  EXPECT_TRUE(on->humanBot);
  EXPECT_EQ(on->games, 2);
  EXPECT_FALSE(ParseSimOptions({"--games", "2"})->humanBot);
}

}  // namespace
}  // namespace mj::sim
