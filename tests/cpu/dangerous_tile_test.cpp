#include "cpu/dangerous_tile.h"

#include <gtest/gtest.h>

#include "tests/cpu/cpu_fixtures.h"

namespace mj::cpu {
namespace {

using namespace test;

// Seat 3 shows three melds (meldTiles from 15) and has called.
void SetMelds(TableState& s, int seat, std::string_view tiles) {
  const std::vector<TileCode> codes = Tiles(tiles);
  for (std::size_t i = 0; i < codes.size(); ++i) {
    s.meldTiles[static_cast<std::size_t>(seat)][kFirstMeldPosition + i] = codes[i];
  }
  s.hasCalled[static_cast<std::size_t>(seat)] = true;
}

struct DangerRow {
  const char* name;
  const char* tile;
  bool dangerous;
  void (*setup)(TableState&);
};

void ExpectDanger(const DangerRow& row) {
  SCOPED_TRACE(row.name);
  TableState s = CpuTable(1, "");
  AddToRiver(s, 3, "4p9s1z2m3m");
  AddToRiver(s, 2, "1m9m1p9p");
  AddToRiver(s, 4, "5s6s7s1z");
  row.setup(s);
  EXPECT_EQ(IsDangerousTile(s, 1, Tile(row.tile)), row.dangerous);
}

TEST(IsDangerousTile, ARiichiFromTheFourthDiscardOnIsFeared) {
  const DangerRow rows[] = {
      {"nothing to fear early in the hand", "5m", false, [](TableState&) {}},
      {"a riichi on the fourth discard", "5m", true, [](TableState& s) { SetRiichi(s, 3, 4); }},
      {"an early riichi of a closed hand is ignored", "5m", false, [](TableState& s) { SetRiichi(s, 3, 2); }},
      {"its own discard is safe", "9s", false, [](TableState& s) { SetRiichi(s, 3, 4); }},
      {"so is the suji of a discarded 4", "7p", false, [](TableState& s) { SetRiichi(s, 3, 4); }},
      {"but a 5 has no suji", "5p", true, [](TableState& s) { SetRiichi(s, 3, 4); }},
      {"in defence the riichi alone does not count", "5m", false,
       [](TableState& s) {
         SetRiichi(s, 3, 4);
         s.handPlan[1] = kPlanDefence;
       }},
  };
  for (const DangerRow& row : rows) ExpectDanger(row);
}

// Late enough that open hands are read: seat 2 shows a circles flush, or
// seat 4 terminals and honours only.
void CirclesFlush(TableState& s) {
  s.wallRemaining = 29;
  SetMelds(s, 2, "234p666p789p");
}
void TerminalsOnly(TableState& s) {
  s.wallRemaining = 29;
  SetMelds(s, 4, "111m999p777z");
}
void TwoMeldsWithThreeDora(TableState& s) {
  s.wallRemaining = 29;
  SetDoraIndicator(s, "1p");
  SetMelds(s, 2, "222p234p");
}
void LateWall(TableState& s) { s.wallRemaining = 14; }

TEST(IsDangerousTile, OpenHandsShowingOneSuitOrTerminalsAreThreats) {
  const DangerRow rows[] = {
      {"a circles flush: circles", "5p", true, CirclesFlush},
      {"a circles flush: characters are fine", "5m", false, CirclesFlush},
      {"six meld tiles with three dora: honours too", "3z", true, TwoMeldsWithThreeDora},
      {"terminals and honours: a terminal", "1s", true, TerminalsOnly},
      {"terminals and honours: a simple waits for the late check", "5m", false, TerminalsOnly},
      {"late in the wall: seat 2 throws no bamboo", "5s", true, LateWall},
      {"late, a suit seat 2 throws", "5m", false, LateWall},
  };
  for (const DangerRow& row : rows) ExpectDanger(row);
}

}  // namespace
}  // namespace mj::cpu
