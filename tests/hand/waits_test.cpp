#include "hand/waits.h"

#include <gtest/gtest.h>

#include "tests/hand/hand_fixture.h"

namespace mj::hand {
namespace {

std::string WaitText(const KindList& kinds) {
  return fixture::Compact(test::Notation(std::vector<TileCode>(kinds.begin(), kinds.end())));
}

struct WaitRow {
  const char* name;
  const char* hand;  // positions 1-13 (fewer with melds)
  const char* melds;
  const char* waits;
};

constexpr WaitRow kRows[] = {
    {"nine-sided 九連宝燈", "1112345678999m", "", "123456789m"},
    {"thirteen-sided 国士無双", "19m19p19s1234567z", "", "19m19p19s1234567z"},
    {"国士無双 on its missing kind", "19m19p19s1234566z", "", "7z"},
    {"seven pairs single", "1122m3344p5566s7z", "", "7z"},
    {"seven pairs single beside a split", "112233m445566p7s", "", "7s"},
    {"two-sided", "23m456p789s11122z", "", "14m"},
    {"both pairs", "123m456p789s1122z", "", "12z"},
    {"the fifth copy of a kind held four times", "11112233m456p77s", "", "14m7s"},
    {"a drawn tile in position 14 is set aside", "123m456p789s1112z3z", "", "2z"},
    {"with melds", "4456p", "pon 1z, chi 123m, kan 9p", "47p"},
    {"a closed kan", "23m456p789s11z", "ankan 5z", "14m"},
    {"not waiting", "19m258p369s1357z", "", ""},
};

TEST(WaitingKinds, EveryKindThatCompletesTheHandAscending) {
  for (const WaitRow& row : kRows) {
    SCOPED_TRACE(row.name);
    TableState state;
    fixture::SetSeat(state, 4, row.hand, row.melds);
    const TileCode drawn = state.handTiles[4][kDrawnPosition];
    EXPECT_EQ(WaitText(WaitingKinds(state, 4)), row.waits) << row.hand;
    EXPECT_EQ(state.handTiles[4][kDrawnPosition], drawn);
  }
}

struct KanRow {
  const char* name;
  const char* hand;  // positions 1-13 then the drawn tile
  const char* kind;
  bool riichi;
  bool allowed;
};

constexpr KanRow kKans[] = {
    {"no riichi: always", "111m23m456p789s99s1m", "1m", false, true},
    {"the waits change: 1-4m and 9s become 1-4m", "111m23m456p789p99s1m", "1m", true, false},
    {"the waits stay", "111m456p789p23s55s1m", "1m", true, true},
    {"only the drawn tile makes the fourth", "67789m11112355p4p", "1p", true, false},
    {"a red five drawn for the kan of fives", "555m456p789p23s11s0m", "5m", true, true},
};

TEST(KanKeepsWaits, ARiichiSeatMayNotChangeItsWaits) {
  for (const KanRow& row : kKans) {
    SCOPED_TRACE(row.name);
    TableState state;
    test::SetHand(state, 2, row.hand);
    if (row.riichi) state.riichiTurn[2] = 4;
    const HandRow before = state.handTiles[2];
    EXPECT_EQ(KanKeepsWaits(state, 2, test::Tile(row.kind)), row.allowed) << row.hand;
    EXPECT_EQ(state.handTiles[2], before);
  }
}

}  // namespace
}  // namespace mj::hand
