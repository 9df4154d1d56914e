#include "engine/state/riichi_conditions.h"

#include <gtest/gtest.h>

#include <functional>

#include "tests/engine/riichi_fixtures.h"

namespace mj {
namespace {

using mj::test::AddToRiver;
using mj::test::Seat2Drew;

struct AllowedRow {
  const char* name;
  std::function<void(TableState&)> change;
  bool allowed;
};

TEST(RiichiConditions, OneTestDecidesWhetherASeatMayDeclare) {
  const AllowedRow rows[] = {
      {"a closed hand with a drawn tile", [](TableState&) {}, true},
      {"four live tiles left", [](TableState& s) { s.wallRemaining = 4; }, true},
      {"three live tiles left", [](TableState& s) { s.wallRemaining = 3; }, false},
      {"the seat has called", [](TableState& s) { s.hasCalled[2] = true; }, false},
      {"another seat's call does not matter", [](TableState& s) { s.hasCalled[3] = true; }, true},
      {"already in riichi", [](TableState& s) { s.riichiTurn[2] = 3; }, false},
      {"a declaration already out", [](TableState& s) { s.riichiJustDeclared = true; }, false},
      {"another seat in open riichi", [](TableState& s) { s.riichiTurn[4] = 2; s.openRiichi[4] = true; }, false},
      {"another seat in a closed riichi", [](TableState& s) { s.riichiTurn[4] = 2; }, true},
      {"an open riichi taken back", [](TableState& s) { s.openRiichi[4] = true; }, true},
      {"not the seat's turn", [](TableState& s) { s.currentSeat = 3; }, false},
      {"no drawn tile", [](TableState& s) { s.handTiles[2][kDrawnPosition] = 0; }, false},
      {"rule 9 on, 1000 points", [](TableState& s) { s.rules.value[9] = 1; s.players[2].score = Money::FromPoints(1000); }, true},
      {"rule 9 on, 900 points", [](TableState& s) { s.rules.value[9] = 1; s.players[2].score = Money::FromPoints(900); }, false},
      {"rule 9 off, 900 points", [](TableState& s) { s.players[2].score = Money::FromPoints(900); }, true},
      {"rule 9 off, below zero", [](TableState& s) { s.players[2].score = Money::FromPoints(-3000); }, true},
  };
  for (const AllowedRow& row : rows) {
    SCOPED_TRACE(row.name);
    TableState s = Seat2Drew();
    row.change(s);
    EXPECT_EQ(RiichiAllowed(s, 2), row.allowed);
  }
}

TEST(RiichiConditions, OpenRiichiNeedsItsLocalYakuAndAnEarlierDiscard) {
  struct Row {
    const char* name;
    bool yakuOn;
    int discards;
    bool available;
  };
  const Row rows[] = {
      {"local yaku on, one discard", true, 1, true},
      {"local yaku on, the first discard", true, 0, false},
      {"local yaku off", false, 3, false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    TableState s = Seat2Drew();
    s.rules.SetLocalYaku(kOpenRiichiYaku, row.yakuOn ? 1 : 0);
    for (int i = 0; i < row.discards; ++i) AddToRiver(s, 2, "1z");
    EXPECT_EQ(OpenRiichiAvailable(s, 2), row.available);
  }
}

}  // namespace
}  // namespace mj
