#include "tools/sim/sim_options.h"

#include <gtest/gtest.h>

#include "tools/sim/sim_run.h"

#include <sstream>

#include "common/random_source.h"
#include "engine/wall.h"

namespace mj::sim {
namespace {

TEST(SimOptions, TsumogiriSeatsNameSeatsOneToFour) {
  struct Row {
    const char* text;
    bool ok;
    PerSeat<bool> seats;
  } rows[] = {
      {"2,3,4", true, {false, false, true, true, true}},
      {"1", true, {false, true, false, false, false}},
      {"5", false, {}},
      {"2,,3", false, {}},
      {"", false, {}},
      {"2,x", false, {}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.text);
    const Result<SimOptions> options = ParseSimOptions({"--tsumogiri-seats", row.text});
    ASSERT_EQ(options.ok(), row.ok);
    if (row.ok) {
      EXPECT_EQ(options->tsumogiriSeats, row.seats);
    } else {
      EXPECT_NE(options.status().message().find("--tsumogiri-seats"), std::string::npos);
    }
  }
}

TEST(SimRun, CpuGamesDeclareRiichiAndReportWhatTheirWinsBrought) {
  SimOptions options;
  options.games = 2;
  options.seed = 3;
  const SimSummary summary = RunSimulation(options, nullptr);
  EXPECT_EQ(summary.invariantViolations, 0) << summary.violation;
  const nlohmann::ordered_json json = SummaryJson(summary);
  double winValues = 0;
  double riichiRates = 0;
  for (const auto& seat : json["seats"]) {
    winValues += seat["avg_win_value"].get<double>();
    riichiRates += seat["riichi_rate"].get<double>();
  }
  EXPECT_GT(winValues, 0);
  EXPECT_GT(riichiRates, 0);  // the CPUs' riichi requests are declared
  EXPECT_EQ(SummaryJson(RunSimulation(options, nullptr))["digest"], json["digest"]);
}

TEST(SimOptions, RefusesBadArgumentsByName) {
  struct Row {
    std::vector<std::string> args;
    const char* named;
  } rows[] = {
      {{"--games", "0"}, "--games"},
      {{"--seed", "-1"}, "--seed"},
      {{"--rules", "110"}, "--rules"},
      {{"--wall", "H01,"}, "--wall"},
      {{"--hands-log"}, "--hands-log"},
      {{"--bogus"}, "--bogus"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.named);
    const Result<SimOptions> options = ParseSimOptions(row.args);
    ASSERT_FALSE(options.ok());
    EXPECT_NE(options.status().message().find(row.named), std::string::npos) << options.status().message();
  }
}

TEST(SimRun, GivenWallDealsTheFirstHandAndEveryHandIsLogged) {
  SimOptions options;
  options.seed = 11;
  SeededRandom random(99);
  options.wall = engine::WallMessage{engine::BuildWall(random, 0), 5};
  std::ostringstream log;
  const SimSummary summary = RunSimulation(options, &log);
  ASSERT_EQ(summary.invariantViolations, 0) << summary.violation;
  std::istringstream lines(log.str());
  std::string line;
  int hands = 0;
  while (std::getline(lines, line)) {
    const nlohmann::json hand = nlohmann::json::parse(line);
    for (const char* key : {"game", "hand_number", "honba", "dealer", "endings", "winners", "deltas", "scores",
                            "deposit_sticks"}) {
      EXPECT_TRUE(hand.contains(key)) << key;
    }
    std::int64_t sum = 0;
    for (const auto& d : hand["deltas"]) sum += d.get<std::int64_t>();
    EXPECT_EQ(sum % 100, 0);
    ++hands;
  }
  EXPECT_EQ(hands, summary.hands);
  // Another wall gives another game.
  SimOptions other = options;
  other.wall.reset();
  EXPECT_NE(SummaryJson(RunSimulation(other, nullptr))["digest"], SummaryJson(summary)["digest"]);
}

}  // namespace
}  // namespace mj::sim
