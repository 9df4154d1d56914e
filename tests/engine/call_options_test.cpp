#include "engine/call_options.h"

#include <gtest/gtest.h>

#include "tests/engine/call_fixtures.h"

namespace mj::engine {
namespace {

// "2m3m/1m4m 3m4m/2m5m": each chi option's hand tiles, then its forbidden discards.
std::string ChiOptionsText(const TableState& s, int seat) {
  const auto i = static_cast<std::size_t>(seat);
  std::string out;
  for (int o = 1; o <= s.chiOptionCount[i]; ++o) {
    const auto& tiles = s.chiOptionTiles[i][static_cast<std::size_t>(o)];
    std::vector<TileCode> banned;
    for (TileCode t : s.chiForbidden[i][static_cast<std::size_t>(o)]) {
      if (t != 0) banned.push_back(t);
    }
    if (!out.empty()) out += " ";
    out += test::Notation({tiles[1], tiles[2]}) + "/" + test::Notation(banned);
  }
  return out;
}

// "1m:C 7z:A": each kan option's kind and form (Open, Concealed, Added).
std::string KanOptionsText(const TableState& s, int seat) {
  std::string out;
  for (int o = 1; o <= s.kanOptionCount[static_cast<std::size_t>(seat)]; ++o) {
    const KanOption k = KanOptionAt(s, seat, o);
    if (!out.empty()) out += " ";
    out += test::Notation({k.kind}) + ":" + "-OCA"[static_cast<int>(k.type)];
  }
  return out;
}

TEST(FindCallOptions, ChiOptionsAndForbiddenDiscardsForEveryNumber) {
  struct Row {
    const char* called;
    const char* options;
  };
  const Row rows[] = {
      {"1m", "2m3m/1m4m"},
      {"2m", "1m3m/2m 3m4m/2m5m"},
      {"3m", "1m2m/3m 2m4m/3m 4m5m/3m6m"},
      {"4m", "2m3m/4m1m 3m5m/4m 5m6m/4m7m"},
      {"5m", "3m4m/5m2m 4m6m/5m 6m7m/5m8m"},
      {"6m", "4m5m/6m3m 5m7m/6m 7m8m/6m9m"},
      {"7m", "5m6m/7m4m 6m8m/7m 8m9m/7m"},
      {"8m", "6m7m/8m5m 7m9m/8m"},
      {"9m", "7m8m/9m6m"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.called);
    TableState s = test::TableWithDiscard(4, row.called);
    s.rules.value[39] = 0;
    test::SetHand(s, 1, "123456789m1234z");
    EXPECT_TRUE(FindCallOptions(s, 1, test::Tile(row.called), true));
    EXPECT_EQ(ChiOptionsText(s, 1), row.options);
    EXPECT_TRUE(CanChi(s, 1));
  }
}

TEST(FindCallOptions, ChiNeedsBothHandTilesOfOneSuitAndTheSeatAfterTheDiscarder) {
  struct Row {
    const char* name;
    const char* hand;
    const char* called;
    bool chiAllowed;
    const char* options;
  };
  const Row rows[] = {
      {"only the held pairs", "13m57m1234567z", "2m", true, "1m3m/"},
      {"no sequence across suits", "89m12p1234567z", "1p", true, ""},
      {"honours never", "11223344556z7z", "7z", true, ""},
      {"red five counts as five", "0m6m11p1234567z", "4m", true, "5m6m/"},
      {"not the next seat", "23m456p1234567z", "1m", false, ""},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    TableState s = test::TableWithDiscard(4, row.called);
    test::SetHand(s, 1, row.hand);
    FindCallOptions(s, 1, test::Tile(row.called), row.chiAllowed);
    EXPECT_EQ(ChiOptionsText(s, 1), row.options);
    EXPECT_EQ(CanChi(s, 1), std::string(row.options) != "");
  }
}

// Chi of 4s with 5-6 forbids 4s and 7s next: with only those left there
// would be nothing to discard, so the option goes unless kuikae is allowed.
TEST(FindCallOptions, KuikaeDropsAnOptionThatLeavesOnlyForbiddenTiles) {
  struct Row {
    const char* name;
    int rule39;
    const char* hand;
    const char* options;
  };
  const Row rows[] = {
      {"only 4s and 7s left", 0, "56s47s", ""},
      {"a legal tile left", 0, "56s48s", "5s6s/4s7s"},
      {"kuikae allowed", 1, "56s47s", "5s6s/"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    TableState s = test::TableWithDiscard(2, "4s");
    s.rules.value[39] = static_cast<std::int16_t>(row.rule39);
    test::SetHand(s, 3, row.hand);
    FindCallOptions(s, 3, test::Tile("4s"), true);
    EXPECT_EQ(ChiOptionsText(s, 3), row.options);
    EXPECT_EQ(s.mayChi[3], std::string(row.options) != "");
  }
}

TEST(FindCallOptions, OwnDiscardBlocksPonAndChiOfThatKindUnlessRule48Allows) {
  struct Row {
    const char* name;
    int rule48;
    const char* ownRiver;
    bool offered;
  };
  const Row rows[] = {
      {"blocked", 0, "1z5p", false},
      {"a red five blocks the five", 0, "0p", false},
      {"another kind does not block", 0, "6p", true},
      {"rule 48 allows", 1, "5p", true},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    TableState s = test::TableWithDiscard(4, "5p");
    s.rules.value[48] = static_cast<std::int16_t>(row.rule48);
    test::SetHand(s, 1, "55p46p123456789s");
    test::AddToRiver(s, 1, row.ownRiver);
    FindCallOptions(s, 1, test::Tile("5p"), true);
    EXPECT_EQ(CanPon(s, 1), row.offered);
    EXPECT_EQ(CanChi(s, 1), row.offered);
  }
}

TEST(FindCallOptions, PonAndOpenKanOnADiscard) {
  struct Row {
    const char* name;
    const char* hand;
    bool pon;
    const char* kans;
  };
  const Row rows[] = {
      {"one held", "7z123456789m123p", false, ""},
      {"two held", "77z12345678m123p", true, ""},
      {"three held", "777z1234567m123p", true, "7z:O"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    TableState s = test::TableWithDiscard(1, "7z");
    test::SetHand(s, 3, row.hand);
    EXPECT_EQ(FindCallOptions(s, 3, test::Tile("7z"), false), row.pon);
    EXPECT_EQ(CanPon(s, 3), row.pon);
    EXPECT_EQ(KanOptionsText(s, 3), row.kans);
    EXPECT_EQ(CanKan(s, 3), std::string(row.kans) != "");
  }
}

TEST(FindCallOptions, NothingOnTheLastDiscardOfTheHand) {
  TableState s = test::TableWithDiscard(4, "5p");
  test::SetHand(s, 1, "555p46p12345678s");
  s.wallRemaining = 0;
  EXPECT_FALSE(FindCallOptions(s, 1, test::Tile("5p"), true));
  EXPECT_FALSE(CanChi(s, 1) || CanPon(s, 1) || CanKan(s, 1));
}

TEST(FindCallOptions, KansNeedTheLiveWallThatRule17Keeps) {
  struct Row {
    int rule17;
    int wallRemaining;
    bool offered;
  };
  const Row rows[] = {{0, 0, true}, {1, 0, false}, {1, 1, true}, {2, 1, false}, {2, 2, true}};
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::Message() << "rule 17 = " << row.rule17 << ", wall " << row.wallRemaining);
    TableState s = test::TableOnOwnTurn(2, "1111m23456789p1z", "2z");
    s.rules.value[17] = static_cast<std::int16_t>(row.rule17);
    s.wallRemaining = static_cast<std::int16_t>(row.wallRemaining);
    EXPECT_EQ(FindCallOptions(s, 2, test::Tile("1z"), false), row.offered);
  }
}

TEST(FindCallOptions, OwnTurnOffersConcealedThenAddedKans) {
  TableState s = test::TableOnOwnTurn(1, "1111m3333p56s", "7z");
  s.ponKinds[1][1] = test::Tile("7z");
  EXPECT_TRUE(FindCallOptions(s, 1, test::Tile("7z"), false));
  EXPECT_EQ(KanOptionsText(s, 1), "1m:C 3p:C 7z:A");
  EXPECT_FALSE(CanPon(s, 1));
  EXPECT_FALSE(CanChi(s, 1));
  EXPECT_EQ(KanOptionAtPosition(s, 1, 14), 3);  // the drawn 7z
  EXPECT_EQ(KanOptionAtPosition(s, 1, 5), 2);   // a 3p
  EXPECT_EQ(KanOptionAtPosition(s, 1, 9), 0);   // the 5s
  EXPECT_EQ(KanOptionAt(s, 1, 4).type, KanType::None);
}

// A riichi seat keeps its hand: only a concealed kan, and under rule 15 only
// one that leaves the waits as they were.
TEST(FindCallOptions, RiichiSeatsGetOnlyTheConcealedKansRule15Allows) {
  struct Row {
    const char* name;
    const char* hand;
    const char* drawn;
    bool inRiichi;
    int rule15;
    const char* kans;
  };
  const Row rows[] = {
      {"not in riichi", "1112m456p789s123s", "1m", false, 0, "1m:C"},
      {"riichi, rule 15 off", "111m456p789s234s5z", "1m", true, 0, ""},
      {"riichi, waits stay on 5z", "111m456p789s234s5z", "1m", true, 1, "1m:C"},
      {"riichi, waits 2m3m become 2m", "1112m456p789s123s", "1m", true, 1, ""},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    TableState s = test::TableOnOwnTurn(3, row.hand, row.drawn);
    s.rules.value[15] = static_cast<std::int16_t>(row.rule15);
    if (row.inRiichi) s.riichiTurn[3] = 5;
    FindCallOptions(s, 3, s.handTiles[3][14], false);
    EXPECT_EQ(KanOptionsText(s, 3), row.kans);
  }
}

TEST(FindCallOptions, RiichiSeatsGetNothingOnADiscard) {
  TableState s = test::TableWithDiscard(2, "5p");
  test::SetHand(s, 3, "555p46p12345678s");
  s.riichiTurn[3] = 2;
  EXPECT_FALSE(FindCallOptions(s, 3, test::Tile("5p"), true));
}

TEST(FindCallOptions, WithoutCallsOnlyConcealedKansRemain) {
  TableState own = test::TableOnOwnTurn(1, "1111m23456p7z", "8s");
  own.rules.value[53] = 0;
  own.ponKinds[1][1] = test::Tile("7z");
  FindCallOptions(own, 1, test::Tile("7z"), false);
  EXPECT_EQ(KanOptionsText(own, 1), "1m:C");

  TableState discard = test::TableWithDiscard(4, "5p");
  discard.rules.value[53] = 0;
  test::SetHand(discard, 1, "555p46p12345678s");
  EXPECT_FALSE(FindCallOptions(discard, 1, test::Tile("5p"), true));
}

TEST(FindCallOptions, CpuSeatsGetNothingWhenTheyOnlyDiscardTheirDraw) {
  for (bool isCpu : {false, true}) {
    SCOPED_TRACE(isCpu);
    TableState s = test::TableWithDiscard(4, "5p");
    s.rules.value[56] = 1;
    s.players[1].isCpu = isCpu;
    test::SetHand(s, 1, "555p46p12345678s");
    EXPECT_EQ(FindCallOptions(s, 1, test::Tile("5p"), true), !isCpu);
  }
}

TEST(FindCallOptions, EachSearchStartsFromEmptyTables) {
  TableState s = test::TableWithDiscard(4, "5p");
  test::SetHand(s, 1, "555p46p12345678s");
  ASSERT_TRUE(FindCallOptions(s, 1, test::Tile("5p"), true));
  s.riverTiles[4][2] = test::Tile("1z");
  s.riverCount[4] = 2;
  EXPECT_FALSE(FindCallOptions(s, 1, test::Tile("1z"), true));
  EXPECT_EQ(s.chiOptionCount[1], 0);
  EXPECT_EQ(s.kanOptionCount[1], 0);
  EXPECT_FALSE(CanChi(s, 1) || CanPon(s, 1) || CanKan(s, 1));
}

TEST(CallPredicates, RefuseSeatsOutsideTheTable) {
  TableState s;
  for (int seat : {0, 5, -1}) {
    EXPECT_FALSE(CanChi(s, seat));
    EXPECT_FALSE(CanPon(s, seat));
    EXPECT_FALSE(CanKan(s, seat));
    EXPECT_FALSE(FindCallOptions(s, seat, 1, true));
    EXPECT_EQ(KanOptionAt(s, seat, 1).kind, 0);
  }
}

TEST(ChiOptionForKinds, NamesTheOptionInEitherOrder) {
  TableState s = test::TableWithDiscard(4, "5m");
  test::SetHand(s, 1, "3467m1234567z");
  FindCallOptions(s, 1, test::Tile("5m"), true);
  ASSERT_EQ(ChiOptionsText(s, 1), "3m4m/ 4m6m/ 6m7m/");
  EXPECT_EQ(ChiOptionForKinds(s, 1, test::Tile("4m"), test::Tile("3m")), 1);
  EXPECT_EQ(ChiOptionForKinds(s, 1, test::Tile("6m"), test::Tile("7m")), 3);
  EXPECT_EQ(ChiOptionForKinds(s, 1, test::Tile("3m"), test::Tile("6m")), 0);
}

TEST(IsKuikaeBanned, FoldsRedFives) {
  TableState s;
  s.kuikaeBan = {0, test::Tile("5m"), 0};
  EXPECT_TRUE(IsKuikaeBanned(s, test::Tile("5m")));
  EXPECT_TRUE(IsKuikaeBanned(s, test::Tile("0m")));
  EXPECT_FALSE(IsKuikaeBanned(s, test::Tile("5p")));
  EXPECT_FALSE(IsKuikaeBanned(s, 0));
}

}  // namespace
}  // namespace mj::engine
