#include "cpu/call_decision.h"

#include <gtest/gtest.h>

#include "engine/call_options.h"
#include "tests/cpu/cpu_fixtures.h"

namespace mj::cpu {
namespace {

using namespace test;

// Seat 1 throws the tile; seat 2 (south, next in turn) holds hand.
TableState OnDiscard(std::string_view hand, std::string_view tile) {
  TableState s = CpuTable(2, hand);
  s.currentSeat = 1;
  s.turnStep = 2;
  AddToRiver(s, 1, tile);
  engine::FindCallOptions(s, 2, Tile(tile), true);
  return s;
}

struct CallRow {
  const char* name;
  const char* hand;
  const char* tile;
  std::int16_t plan;
  int answer;
  void (*setup)(TableState&);  // what else the row needs, or nullptr
};

void ExpectAnswer(const CallRow& row) {
  SCOPED_TRACE(row.name);
  TableState s = OnDiscard(row.hand, row.tile);
  s.handPlan[2] = row.plan;
  if (row.setup != nullptr) row.setup(s);
  EXPECT_EQ(DecideCall(s, 2), row.answer);
}

TEST(DecideCall, ChiFollowsTheOneSuitPlan) {
  const CallRow rows[] = {
      {"bamboo plan takes a 5s", "46s123m456p789p1z", "5s", kPlanCharacters + 2, 1, nullptr},
      {"but not while it holds a 5s", "4566s123m456p1z2z", "5s", kPlanCharacters + 2, 9, nullptr},
      {"characters plan never chis bamboo", "46s123m456p789p1z", "5s", kPlanCharacters, 9, nullptr},
      {"no plan, no chi", "46s123m456p789p1z", "5s", kPlanNone, 9, nullptr},
  };
  for (const CallRow& row : rows) ExpectAnswer(row);
}

TEST(DecideCall, AChiPrefersTheOptionThatHoldsADora) {
  TableState s = OnDiscard("23m56m789p123s1z1z", "4m");
  SetDoraIndicator(s, "5m");  // 6m is dora
  s.handPlan[2] = kPlanCharacters;
  ASSERT_EQ(s.chiOptionCount[2], 3);
  EXPECT_EQ(DecideCall(s, 2), 1);
  EXPECT_EQ(s.chiOptionTiles[2][1][1], Tile("5m"));
  EXPECT_EQ(s.chiOptionTiles[2][1][2], Tile("6m"));
  EXPECT_EQ(s.chiForbidden[2][1], s.chiForbidden[2][3]);
}

TEST(DecideCall, APairOfValueTilesIsCalledForDoraDealershipAndStanding) {
  const CallRow rows[] = {
      {"中 as the dealer", "77z123m456p789s1z", "7z", kPlanNone, 2, [](TableState& s) { s.dealerSeat = 2; }},
      {"中 as the dealer after a value call", "77z123m456p789s1z", "7z", kPlanValueCall, 2,
       [](TableState& s) { s.dealerSeat = 2; }},
      {"中 when it is dora", "77z123m456p789s1z", "7z", kPlanNone, 2, [](TableState& s) { SetDoraIndicator(s, "6z"); }},
      {"中 for nothing in particular", "77z123m456p789s1z", "7z", kPlanNone, 9, nullptr},
      {"never in defence", "77z123m456p789s1z", "7z", kPlanDefence, 9, [](TableState& s) { s.dealerSeat = 2; }},
      {"never for seven pairs", "77z123m456p789s1z", "7z", kPlanSevenPairs, 9, [](TableState& s) { s.dealerSeat = 2; }},
      {"own wind, leading with 36000", "22z123m456p789s1z", "2z", kPlanNone, 2,
       [](TableState& s) { SetScore(s, 2, 36000); }},
      {"own wind, leading with 30000", "22z123m456p789s1z", "2z", kPlanNone, 9,
       [](TableState& s) { SetScore(s, 2, 30000); }},
      {"own wind, leading in the closing hand", "22z123m456p789s1z", "2z", kPlanNone, 2,
       [](TableState& s) {
         SetScore(s, 2, 30000);
         s.handNumber = 8;
       }},
      {"the last copy it could get", "77z123m456p789s1z", "7z", kPlanNone, 2,
       [](TableState& s) { AddToRiver(s, 3, "7z"); }},
      {"not from last place", "77z123m456p789s1z", "7z", kPlanNone, 9,
       [](TableState& s) {
         AddToRiver(s, 3, "7z");
         SetScore(s, 2, 20000);
       }},
  };
  for (const CallRow& row : rows) ExpectAnswer(row);
}

TEST(DecideCall, TwoDoraInHandMakeAValueCallPlan) {
  TableState s = OnDiscard("22z55m123p456p789s", "2z");
  SetDoraIndicator(s, "4m");
  EXPECT_EQ(DecideCall(s, 2), 2);
  EXPECT_EQ(s.handPlan[2], kPlanValueCall);
}

TEST(DecideCall, KansAreKeptByLeadersAndHeldBackAgainstRiichi) {
  const CallRow rows[] = {
      {"three 白 stay a triplet", "555z123m456p789s1z", "5z", kPlanNone, 9, [](TableState& s) { s.dealerSeat = 2; }},
      {"an open hand kans", "222m456p789s1z", "2m", kPlanNone, 3, [](TableState& s) { s.hasCalled[2] = true; }},
      {"but not against a riichi", "222m456p789s1z", "2m", kPlanNone, 9,
       [](TableState& s) {
         s.hasCalled[2] = true;
         SetRiichi(s, 3, 2);
       }},
      {"nor while leading with 35000", "222m456p789s1z", "2m", kPlanNone, 9,
       [](TableState& s) {
         s.hasCalled[2] = true;
         SetScore(s, 2, 35000);
       }},
  };
  for (const CallRow& row : rows) ExpectAnswer(row);
}

TEST(DecideCall, AConcealedKanOnTheOwnDrawUnlessAnotherSeatIsInRiichi) {
  struct Row {
    const char* name;
    int riichiSeat;
    int score;
    int answer;
  } rows[] = {
      {"always", 0, 25000, 3},
      {"not against a riichi", 3, 25000, 9},
      {"not while leading with 35000", 0, 35000, 9},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    TableState s = CpuTable(2, "222m456p789s1z3z");
    s.handTiles[2][kDrawnPosition] = Tile("2m");
    s.currentSeat = 2;
    s.turnStep = 3;
    if (row.riichiSeat != 0) SetRiichi(s, row.riichiSeat, 2);
    SetScore(s, 2, row.score);
    ASSERT_TRUE(engine::FindCallOptions(s, 2, Tile("2m"), false));
    EXPECT_EQ(DecideCall(s, 2), row.answer);
  }
}

TEST(DecideCall, EveryWinIsTakenUnlessCpusOnlyDiscardTheirDraws) {
  const CallRow rows[] = {
      {"seven pairs wins on a discard", "77z123m456p789s1z", "7z", kPlanSevenPairs, 4,
       [](TableState& s) { s.canRon[2] = true; }},
      {"over a call", "77z123m456p789s1z", "7z", kPlanNone, 4,
       [](TableState& s) {
         s.dealerSeat = 2;
         s.canRon[2] = true;
       }},
      {"no win with rule 56", "77z123m456p789s1z", "7z", kPlanNone, 9,
       [](TableState& s) {
         s.rules.value[56] = 1;
         s.mayPon = {};
         s.canRon[2] = true;
       }},
  };
  for (const CallRow& row : rows) ExpectAnswer(row);
}

}  // namespace
}  // namespace mj::cpu
