#include "hand/complete_hand.h"

#include <gtest/gtest.h>

#include "tests/hand/hand_fixture.h"

namespace mj::hand {
namespace {

struct CompleteRow {
  const char* name;
  const char* hand;
  const char* melds;
  bool hasCalled;  // on top of what the melds set
  bool complete;
};

constexpr CompleteRow kRows[] = {
    {"four sets and a pair", "123m456p789s111z22z", "", false, true},
    {"one tile short of a set", "123m456p789s111z23z", "", false, false},
    {"国士無双", "19m19p19s12345677z", "", false, true},
    {"国士無双 without its pair", "19m19p19s1234567z5m", "", false, false},
    {"seven pairs", "1122m3344p5566s77z", "", false, true},
    {"four of a kind is not two pairs", "1111m33m55p77p99s11z", "", false, false},
    {"seven pairs never in an open hand", "1122m3344p5566s77z", "", true, false},
    {"a pair-rich hand that also splits", "112233m445566p77s", "", true, true},
    {"with melds", "456p99s", "pon 1z, chi 123m, kan 9p", false, true},
    {"with melds, not complete", "456p98s", "pon 1z, chi 123m, kan 9p", false, false},
    {"a closed kan counts as a set", "123m456p789s11z", "ankan 5z", false, true},
    {"a red five is its five", "340m456p789s11122z", "", false, true},
    {"four melds and the pair", "55z", "pon 1z, chi 123m, kan 9p, ankan 2s", false, true},
};

TEST(IsCompleteHand, ReadsEveryWinningShape) {
  for (const CompleteRow& row : kRows) {
    SCOPED_TRACE(row.name);
    TableState state;
    fixture::SetSeat(state, 3, row.hand, row.melds);
    if (row.hasCalled) state.hasCalled[3] = true;
    EXPECT_EQ(IsCompleteHand(state, 3), row.complete) << row.hand << " " << row.melds;
  }
}

TEST(IsCompleteHand, LeavesTheChosenDecompositionAlone) {
  TableState state;
  fixture::SetSeat(state, 1, "123m456p789s111z22z");
  state.decompPair = 7;
  state.decompSets[1] = {0, 7, 8, 9, 0};
  EXPECT_TRUE(IsCompleteHand(state, 1));
  EXPECT_EQ(state.decompPair, 7);
  EXPECT_EQ(state.decompSets[1][1], 7);
}

}  // namespace
}  // namespace mj::hand
