#include "hand/decomposition.h"

#include <gtest/gtest.h>

#include "tests/hand/hand_fixture.h"

namespace mj::hand {
namespace {

struct ReadingRow {
  const char* name;
  const char* hand;
  const char* melds;
  const char* expected;  // SetsText of the decomposition scoring uses
};

// The split scoring reads, with the search order that decides it.
constexpr ReadingRow kReadings[] = {
    {"pair from a triplet when the rest needs its sequence", "11123m456p789p789s", "",
     "123m 456p 789p 789s | 1m"},
    {"triplet and sequence where sequences first would strand 1-1-4", "111234m55p678s789s", "",
     "111m 234m 678s 789s | 5p"},
    {"three each of 2-3-4 is read as triplets", "222333444m55p678s", "", "222m 333m 444m 678s | 5p"},
    {"a later pair candidate with a straight outscores the first", "12333345666789m", "",
     "333m 123m 456m 789m | 6m"},
    {"honour triplets come after the suits", "111z123m555z456p99s", "", "123m 456p 111z 555z | 9s"},
    {"only the descending sequences read this hand", "555566777889p77s", "", "789p 678p 567p 555p | 7s"},
    {"melds first: pons, chis, open kans, closed kans", "44m", "chi 30s4s, pon 7z, ankan 1s, kan 9p",
     "777z 345s 9999p 1111s | 4m"},
};

TEST(Decomposition, ScoringReadsTheSplitTheSearchOrderChooses) {
  for (const ReadingRow& row : kReadings) {
    SCOPED_TRACE(row.name);
    TableState state;
    fixture::SetSeat(state, 2, row.hand, row.melds);
    ASSERT_TRUE(DecomposeForScoring(state, 2)) << row.hand;
    EXPECT_EQ(fixture::SetsText(state), row.expected) << row.hand;
  }
}

TEST(Decomposition, MeldsComeFirstInStoredOrderAndConcealedSetsApart) {
  TableState state;
  fixture::SetSeat(state, 2, "234m44m", "chi 30s4s, pon 7z, ankan 1s");
  ASSERT_TRUE(DecomposeTripletsFirst(state, 2));
  EXPECT_EQ(fixture::SetsText(state), "777z 345s 1111s 234m | 4m");
  EXPECT_EQ(state.concealedSets[1][1], 2);
  EXPECT_EQ(state.concealedSets[1][3], 4);
  EXPECT_EQ(state.concealedSets[2][1], 0);
}

TEST(Decomposition, FailureLeavesNoPair) {
  TableState state;
  fixture::SetSeat(state, 1, "1m1m1m2m3m4m6p8p55s678s");
  state.decompPair = 9;
  EXPECT_FALSE(DecomposeTripletsFirst(state, 1));
  EXPECT_EQ(state.decompPair, 0);
  state.decompPair = 9;
  EXPECT_FALSE(DecomposeSequencesFirst(state, 1));
  EXPECT_EQ(state.decompPair, 0);
}

TEST(Decomposition, SequencesFirstAscendingTakesSequencesBeforeTriplets) {
  TableState state;
  fixture::SetSeat(state, 1, "111123m456p789s55z");
  ASSERT_TRUE(DecomposeSequencesFirst(state, 1));
  EXPECT_EQ(fixture::SetsText(state), "123m 456p 789s 111m | 5z");
}

struct ScoreRow {
  const char* name;
  const char* sets;  // four sets, meld-free, as one hand: read by triplets first
  const char* melds;
  int localYaku;     // switched on, 0 for none
  int expected;
};

constexpr ScoreRow kScores[] = {
    {"一気通貫", "123456789m111p22s", "", 0, 2},
    {"三色同順", "234m234p234s999m11z", "", 0, 2},
    {"三色同刻 counts kans", "777m777p11z22z", "kan 7s, pon 5z", 0, 2},
    {"一盃口 in a closed hand", "112233m456p789s44z", "", 0, 1},
    {"一盃口 does not count open", "112233m456p44z", "chi 789s", 0, 0},
    {"三連刻 needs its local yaku", "333444555p99m789s", "", 0, 0},
    {"三連刻 with its local yaku", "333444555p99m789s", "", 108, 2},
    {"三連刻 leaves kans out", "333444p99m789s", "kan 5p", 108, 0},
    {"三色通貫 with its local yaku", "123m456p789s111z22z", "", 110, 2},
    {"三色通貫 needs its local yaku", "123m456p789s111z22z", "", 0, 0},
    {"nothing", "123m456p789s111z22z", "", 108, 0},
};

TEST(ScoreDecomposition, TwoForTheSetYakuOneForTwinSequencesInAClosedHand) {
  for (const ScoreRow& row : kScores) {
    SCOPED_TRACE(row.name);
    TableState state;
    if (row.localYaku != 0) state.rules.SetLocalYaku(row.localYaku, 1);
    fixture::SetSeat(state, 1, row.sets, row.melds);
    ASSERT_TRUE(DecomposeTripletsFirst(state, 1)) << row.sets;
    EXPECT_EQ(ScoreDecomposition(state, 1), row.expected) << fixture::SetsText(state);
  }
}

TEST(Decomposition, EqualScoresKeepTheFirstPairCandidate) {
  // 1m and 4m both complete the hand; neither split scores.
  TableState state;
  fixture::SetSeat(state, 1, "11123444m567p789s");
  ASSERT_TRUE(DecomposeTripletsFirst(state, 1));
  EXPECT_EQ(state.decompPair, 1);
  EXPECT_EQ(fixture::SetsText(state), "444m 123m 567p 789s | 1m");
}

}  // namespace
}  // namespace mj::hand
