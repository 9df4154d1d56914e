#include "tools/sim/sim_options.h"

#include <gtest/gtest.h>

#include "tools/sim/sim_run.h"

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

}  // namespace
}  // namespace mj::sim
