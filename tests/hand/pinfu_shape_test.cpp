#include "hand/pinfu_shape.h"

#include <gtest/gtest.h>

#include "tests/hand/hand_fixture.h"

namespace mj::hand {
namespace {

struct PinfuRow {
  const char* name;
  const char* hand;  // positions 1-13, then the winning tile
  int handNumber;
  int seatWind;
  bool pinfu;
};

constexpr PinfuRow kRows[] = {
    {"two-sided on the low end", "23m456p789s234s55p1m", 1, 2, true},
    {"two-sided on the high end", "78m456p789s234s55p9m", 1, 2, true},
    {"middle tile, lower partial", "45m456p789s234s55p6m", 1, 2, true},
    {"edge wait", "12m456p789s234s55p3m", 1, 2, false},
    {"edge wait on 7", "89m456p789s234s55p7m", 1, 2, false},
    {"closed wait", "13m456p789s234s55p2m", 1, 2, false},
    {"single wait on the pair", "123m456p789s234s5p5p", 1, 2, false},
    {"a triplet", "23m456p777s234s55p1m", 1, 2, false},
    {"an honour won on", "123m456p789s23s11z1z", 1, 2, false},
    {"a dragon pair", "23m456p789s234s55z1m", 1, 2, false},
    {"the round wind pair", "23m456p789s234s11z1m", 1, 2, false},
    {"east pair in the south round, seat south", "23m456p789s234s11z1m", 5, 3, true},
    {"the seat wind pair", "23m456p789s234s22z1m", 5, 2, false},
    {"a guest wind pair", "23m456p789s234s44z1m", 1, 2, true},
    // The two-sided partial also sits in another sequence of the same tiles.
    {"3-3-4-4-5 won on 5 (345 + 345)", "33445m456p789p55s5m", 1, 2, true},
    {"2-2-3-3-4 won on 4", "22334m456p789p55s4m", 1, 2, true},
    {"6-6-7-7-8 won on 8", "66778m456p789p55s8m", 1, 2, true},
    {"2-3-4-5-6 waiting 1-4-7, won on 4", "23456m456p789s55s4m", 1, 2, true},
    {"4-5-6-7 waiting 4-7 is no two-sided wait", "4567m456p789s123s7m", 1, 2, false},
};

TEST(IsPinfuShape, AllSequencesTwoSidedAndNoValuePair) {
  for (const PinfuRow& row : kRows) {
    SCOPED_TRACE(row.name);
    TableState state;
    test::SetHand(state, 3, row.hand);
    state.handNumber = static_cast<std::int16_t>(row.handNumber);
    state.players[3].seatWind = static_cast<std::int16_t>(row.seatWind);
    EXPECT_EQ(IsPinfuShape(state, 3), row.pinfu) << row.hand;
  }
}

TEST(IsPinfuShape, NeverWithAMeld) {
  TableState state;
  fixture::SetSeat(state, 3, "23m456p234s55p1m", "chi 789s");
  EXPECT_FALSE(IsPinfuShape(state, 3));
}

}  // namespace
}  // namespace mj::hand
