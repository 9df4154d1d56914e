#include "hand/furiten.h"

#include <gtest/gtest.h>

#include "hand/win_evaluator.h"
#include "tests/hand/hand_fixture.h"

namespace mj::hand {
namespace {

void SetRiver(TableState& state, int seat, std::string_view tiles) {
  const std::vector<TileCode> t = test::Tiles(tiles);
  for (std::size_t i = 0; i < t.size(); ++i) state.riverTiles[fixture::At(seat)][i + 1] = t[i];
  state.riverCount[fixture::At(seat)] = static_cast<std::int16_t>(t.size());
}

struct FuritenRow {
  const char* name;
  const char* hand;  // positions 1-13 and the tile won on
  const char* river;
  int rule23;
  int rule28;
  bool kokushi13Wait;
  bool missedWin;
  bool furiten;
};

constexpr FuritenRow kRows[] = {
    {"a passed win", "23p456m789m11122z6p", "9s", 0, 0, false, true, true},
    {"the river holds the other side of the wait", "23p456m789m11122z6p", "9s1p", 0, 0, false, false, true},
    {"a red five in the river is its five", "34p456m789m11122z2p", "0p", 0, 0, false, false, true},
    {"rule 23: only the kind won on counts", "23p456m789m11122z4p", "9s1p", 1, 0, false, false, false},
    {"rule 23: the kind won on is in the river", "23p456m789m11122z4p", "4p", 1, 0, false, false, true},
    {"clean river", "23p456m789m11122z4p", "9s5p", 0, 0, false, false, false},
    {"13-sided 国士無双 under rule 28 = 0: the exact kind", "19m19p19s1234567z9m", "1m", 0, 0, true, false, false},
    {"13-sided 国士無双 under rule 28 = 0, kind in the river", "19m19p19s1234567z9m", "9m", 0, 0, true, false, true},
    {"13-sided 国士無双 under rule 28 = 1: any wait", "19m19p19s1234567z9m", "1m", 0, 1, true, false, true},
};

TEST(CheckFuriten, RiverAndPassedWins) {
  for (const FuritenRow& row : kRows) {
    SCOPED_TRACE(row.name);
    TableState state;
    test::SetHand(state, 2, row.hand);
    SetRiver(state, 2, row.river);
    state.rules.value[23] = static_cast<std::int16_t>(row.rule23);
    state.rules.value[28] = static_cast<std::int16_t>(row.rule28);
    state.kokushi13Wait[2] = row.kokushi13Wait;
    state.missedWinFuriten[2] = row.missedWin;
    state.yakuList[2] = {2, 4, 50};
    const HandRow hand = state.handTiles[2];

    EXPECT_EQ(CheckFuriten(state, 2), row.furiten);
    const YakuRow expected = row.furiten ? YakuRow{kFuritenCode} : YakuRow{2, 4, 50};
    EXPECT_EQ(state.yakuList[2], expected);
    EXPECT_EQ(state.handTiles[2], hand);
  }
}

}  // namespace
}  // namespace mj::hand
