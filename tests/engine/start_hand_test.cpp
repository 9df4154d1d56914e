#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "common/clock.h"
#include "common/random_source.h"
#include "engine/headless_ports.h"
#include "engine/table.h"
#include "engine/table_dump.h"
#include "tests/engine/table_fixture.h"

namespace mj::engine {
namespace {

class StartHandTest : public ::testing::Test {
 protected:
  Table& MakeTable(TableOptions options = {}) {
    fixture_ = std::make_unique<test::TableFixture>(1, std::move(options));
    return fixture_->table;
  }
  std::vector<std::string>& Sent() { return fixture_->lan.sent; }
  std::unique_ptr<test::TableFixture> fixture_;
};

int TileCountOnTable(const TableState& s) {
  int n = 0;
  for (int seat = 1; seat <= 4; ++seat) {
    for (int pos = 1; pos <= 14; ++pos) n += s.handTiles[static_cast<std::size_t>(seat)][static_cast<std::size_t>(pos)] != 0;
  }
  return n;
}

TEST_F(StartHandTest, DealsThirteenEachFlipsTheFirstDoraAndStartsTheDealersDraw) {
  Table& table = MakeTable();
  TableState& s = table.State();
  s.dealerSeat = 3;
  s.players[2].score = Money::FromPoints(31000);
  s.depositSticks = 2;
  ASSERT_TRUE(table.StartHand().ok());
  EXPECT_EQ(TileCountOnTable(s), 52);
  EXPECT_EQ(s.turnStep, 5);
  EXPECT_EQ(s.currentSeat, 3);
  EXPECT_EQ(s.wallRemaining, 70);
  EXPECT_EQ(s.nextDrawPos, WallOffset(s.breakPos, 52));
  EXPECT_EQ(s.doraIndicators[1], s.wallTiles[static_cast<std::size_t>(WallOffset(s.breakPos, -6))]);
  EXPECT_NE(s.doraKinds[1], 0);
  EXPECT_EQ(s.doraIndicators[2], 0);
  EXPECT_EQ(s.scoresAtHandStart[2], Money::FromPoints(31000));
  EXPECT_EQ(s.depositSticksAtStart, 2);
  EXPECT_EQ(fixture_->timers.turnIntervalMs, s.stepInterval);
  EXPECT_FALSE(fixture_->timers.responseRunning);
  EXPECT_TRUE(Sent().empty());  // not a LAN game
}

TEST_F(StartHandTest, DoraRulesDecideTheIndicatorsShown) {
  struct Row {
    const char* name;
    int rule4, rule55;
    int indicators;
    int wallRemaining;
    bool doraKindKnown;
  };
  const Row rows[] = {
      {"next dora", 2, 0, 1, 70, true},
      {"the indicator itself is dora", 1, 0, 1, 70, false},
      {"two at the start lowers the live wall", 2, 1, 2, 69, true},
      {"no dora suppresses both", 0, 1, 0, 70, false},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    Table& table = MakeTable();
    TableState& s = table.State();
    s.rules.value[4] = static_cast<std::int16_t>(r.rule4);
    s.rules.value[55] = static_cast<std::int16_t>(r.rule55);
    ASSERT_TRUE(table.StartHand().ok());
    int shown = 0;
    while (shown < 5 && s.doraIndicators[static_cast<std::size_t>(shown + 1)] != 0) ++shown;
    EXPECT_EQ(shown, r.indicators);
    EXPECT_EQ(s.wallRemaining, r.wallRemaining);
    EXPECT_EQ(s.doraKinds[1] != 0, r.doraKindKnown);
  }
}

TEST_F(StartHandTest, WaremeRecordTheStartHandsAndClearTheLastHand) {
  TableOptions options;
  options.recordOutput = true;
  Table& table = MakeTable(options);
  TableState& s = table.State();
  s.rules.value[12] = 1;
  s.riverCount[2] = 9;
  s.riichiTurn[3] = 4;
  s.recordLines.push_back("1G1m");
  ASSERT_TRUE(table.StartHand().ok());
  EXPECT_EQ(s.waremeSeat, SideOwner(s.breakPos));
  EXPECT_EQ(s.riverCount[2], 0);
  EXPECT_EQ(s.riichiTurn[3], 0);
  EXPECT_TRUE(s.recordLines.empty());
  for (int pos = 1; pos <= 13; ++pos) EXPECT_EQ(s.startHands[4][static_cast<std::size_t>(pos)], s.handTiles[4][static_cast<std::size_t>(pos)]);
}

TEST_F(StartHandTest, GivenWallIsDealtAsIs) {
  SeededRandom other(99);
  const WallMessage wall{BuildWall(other, 0), 5};
  Table& table = MakeTable();
  table.SetNextWall(wall);
  ASSERT_TRUE(table.StartHand().ok());
  EXPECT_EQ(table.State().wallTiles, wall.wall);
  EXPECT_EQ(table.State().breakPos, 5);
  EXPECT_EQ(table.State().doraIndicators[1], wall.wall[135]);
  EXPECT_EQ(table.State().uraIndicators[1], wall.wall[136]);
  // The next hand builds its own wall again.
  ASSERT_TRUE(table.StartHand().ok());
  EXPECT_NE(table.State().wallTiles, wall.wall);
}

TEST_F(StartHandTest, LanHostAnnouncesTheHandAndItsWall) {
  Table& table = MakeTable();
  TableState& s = table.State();
  s.mode.isLanGame = true;
  s.mode.isLanHost = true;
  ASSERT_TRUE(table.StartHand().ok());
  ASSERT_EQ(Sent().size(), 2u);
  EXPECT_EQ(Sent()[0], "B001");
  auto wall = ParseWallMessage(Sent()[1]);
  ASSERT_TRUE(wall.ok());
  EXPECT_EQ(wall->wall, s.wallTiles);
  EXPECT_EQ(wall->breakPos, s.breakPos);
  fixture_->lan.fail = true;
  EXPECT_FALSE(table.StartHand().ok());
}

// Seed -> dealt table as text: the whole deal path pinned at once.
TEST_F(StartHandTest, GoldenDealForSeedOne) {
  Table& table = MakeTable();
  table.State().dealerSeat = 1;
  ASSERT_TRUE(table.StartHand().ok());
  std::ifstream in(std::string(MJ_TEST_DATA_DIR) + "/dealt_seed1.txt");
  std::stringstream golden;
  golden << in.rdbuf();
  EXPECT_EQ(DealtTableText(table.State()), golden.str());
}

}  // namespace
}  // namespace mj::engine
