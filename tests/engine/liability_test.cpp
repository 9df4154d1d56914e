#include "engine/liability.h"

#include <gtest/gtest.h>

#include "engine/call_options.h"
#include "engine/execute_call.h"
#include "tests/engine/call_fixtures.h"

namespace mj::engine {
namespace {

void SetMelds(TableState& s, int seat, std::string_view tiles) {
  const std::vector<TileCode> codes = test::Tiles(tiles);
  for (std::size_t i = 0; i < codes.size(); ++i) s.meldTiles[static_cast<std::size_t>(seat)][kFirstMeldPosition + i] = codes[i];
}

// Seat 3 feeds seat 1; the melds are those seat 1 made before this call.
TEST(MarkLiability, TheThirdDragonSetAndTheFourthMeldMakeTheFeederLiable) {
  struct Row {
    const char* name;
    int rule25;
    const char* earlierMelds;
    const char* called;  // "" for a chi
    bool liable;
  };
  const Row rows[] = {
      {"third dragon set", 1, "5z5z5z6z6z6z", "7z", true},
      {"a dragon kan and a dragon pon", 2, "5z5z5z5z6z6z6z", "7z", true},
      {"second dragon set only", 1, "5z5z5z1m1m1m", "7z", false},
      {"two dragon sets, then another kind", 1, "5z5z5z6z6z6z", "1m", false},
      {"fourth meld by chi", 1, "1m1m1m2p2p2p5s6s7s", "", true},
      {"fourth meld by pon", 1, "1m1m1m2p2p2p5s6s7s", "9m", true},
      {"two kans are only two sets", 1, "1m1m1m1m2p2p2p2p", "", false},
      {"rule 25 off", 0, "5z5z5z6z6z6z", "7z", false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    TableState s;
    s.rules.value[25] = static_cast<std::int16_t>(row.rule25);
    s.currentSeat = 3;
    SetMelds(s, 1, row.earlierMelds);
    MarkLiability(s, 1, std::string(row.called).empty() ? 0 : test::Tile(row.called));
    for (int seat = 1; seat <= kSeats; ++seat) {
      EXPECT_EQ(IsLiableFor(s, 1, seat), row.liable && seat == 3) << seat;
      EXPECT_FALSE(IsLiableFor(s, seat, 1)) << seat;
    }
  }
}

TEST(MarkLiability, NoSeatIsLiableForItsOwnHand) {
  TableState s;
  s.rules.value[25] = 1;
  s.currentSeat = 2;  // an added kan on seat 2's own turn
  SetMelds(s, 2, "5z5z5z6z6z6z1m1m1m");
  MarkLiability(s, 2, test::Tile("7z"));
  EXPECT_FALSE(IsLiableFor(s, 2, 2));
  EXPECT_FALSE(IsLiableFor(s, 0, 2));
  EXPECT_FALSE(IsLiableFor(s, 2, 5));
}

TEST(MarkLiability, APonOfTheThirdDragonMarksItsDiscarder) {
  TableState s = test::TableWithDiscard(4, "7z");
  s.rules.value[25] = 1;
  test::SetHand(s, 2, "77z123m45p");
  SetMelds(s, 2, "5z5z5z6z6z6z");
  s.ponKinds[2] = {0, kWhite, kGreen, 0, 0};
  s.meldSizes[2] = {0, 3, 3, 0, 0};
  ASSERT_TRUE(FindCallOptions(s, 2, test::Tile("7z"), false));
  ASSERT_EQ(ExecuteCall(s, 2, kCallPon, {}).kind, kCallPon);
  EXPECT_TRUE(IsLiableFor(s, 2, 4));
  EXPECT_EQ(test::MeldText(s, 2), "5z5z5z6z6z6z7z7z7z");
}

}  // namespace
}  // namespace mj::engine
