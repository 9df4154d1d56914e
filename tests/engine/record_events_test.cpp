#include "engine/state/record_events.h"

#include <gtest/gtest.h>

#include <functional>

namespace mj {
namespace {

Player Someone() {
  Player p;
  p.userCode = 1004;
  p.name = "こはる";
  p.isCpu = true;
  return p;
}

TEST(RecordEvents, EachEventAddsItsOneAmount) {
  struct Row {
    const char* name;
    std::function<StatsDelta(const Player&)> event;
    std::function<void(UserStats&)> expect;
  } rows[] = {
      {"table opened", TableOpenedDelta, [](UserStats& s) { s.games = 1; }},
      {"riichi", RiichiDelta, [](UserStats& s) { s.riichis = 1; }},
      {"first call", FirstCallDelta, [](UserStats& s) { s.calls = 1; }},
      {"win", WinDelta, [](UserStats& s) { s.wins = 1; }},
      {"deal-in", DealInDelta, [](UserStats& s) { s.dealIns = 1; }},
      {"hand ended", HandEndedDelta, [](UserStats& s) { s.hands = 1; }},
      {"experience", [](const Player& p) { return ExperienceDelta(p, 64); }, [](UserStats& s) { s.experience = 64; }},
      {"quit", QuitDelta, [](UserStats& s) { s.rating = -30.0f; }},
      {"game ended",
       [](const Player& p) { return GameEndedDelta(p, 3, Money::FromPoints(-20), 1.25f); },
       [](UserStats& s) {
         s.places[3] = 1;
         s.points = -20;
         s.rating = 1.25f;
       }},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const StatsDelta d = row.event(Someone());
    UserStats expected;
    row.expect(expected);
    EXPECT_EQ(d.amounts, expected);
    EXPECT_EQ(d.code, 1004);
    EXPECT_EQ(d.name, "こはる");
    EXPECT_TRUE(d.isCpu);
  }
}

TEST(RecordEvents, FinalPointsRoundHalfToEven) {
  struct Row {
    std::int64_t units;
    std::int32_t points;
  } rows[] = {{545000, 54}, {555000, 56}, {-205000, -20}, {-215000, -22}, {543000, 54}, {-546000, -55}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.units);
    EXPECT_EQ(GameEndedDelta(Someone(), 1, Money::FromUnits(row.units), 0).amounts.points, row.points);
  }
}

}  // namespace
}  // namespace mj
