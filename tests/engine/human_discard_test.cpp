#include <gtest/gtest.h>

#include "tests/engine/human_table.h"

namespace mj::engine {
namespace {

using test::HumanTable;
using test::kNoWaitHand;
using test::Plan;

// Like kNoWaitHand, with no 5m.
constexpr const char* kNo5mHand = "1m4m7m3p6p9p2s5s8s1z2z3z4z";
constexpr std::string_view kKuikaeRefused = "喰い換えなしルールの為この牌を切る事はできません";

struct KuikaeRow {
  const char* name;
  const char* hand;      // dealt in this order; with 理牌 off it stays so
  const char* refused;   // the tile of the called kind left in the hand
};

TEST(HumanDiscard, AfterAPonOf5mNo5mMayBeDiscarded) {
  const KuikaeRow rows[] = {
      {"a plain 5m", "5m5m5m8m3p6p9p2s5s8s1z2z3z", "5m"},
      {"a red 5m", "5m5m0m8m3p6p9p2s5s8s1z2z3z", "0m"},
  };
  for (const KuikaeRow& row : rows) {
    SCOPED_TRACE(row.name);
    // Seat 3 deals and throws a 5m; seat 1 pons it with the first two of its 5m.
    HumanTable t(Plan(3, {"", row.hand, kNo5mHand, kNo5mHand, kNo5mHand}, {"", "", "", "5m"}), [](RuleSet& rules) {
      rules.value[39] = 0;
      rules.value[52] = 0;
    });
    ASSERT_TRUE(t.TickUntil([&] { return t.table().CanPressPon(); }));
    t.table().PressPon();
    ASSERT_EQ(t.State().turnStep, 2);
    const int refused = t.PositionOf(row.refused);
    ASSERT_NE(refused, 0);

    t.table().ClickHandTile(refused);
    EXPECT_EQ(t.fixture.dialogs.infos, std::vector<std::string>{std::string(kKuikaeRefused)});
    EXPECT_EQ(t.State().riverCount[1], 0);
    EXPECT_FALSE(t.table().CanDiscard(refused));
    t.table().ClickHandTile(kDrawnPosition);  // no drawn tile after a call
    EXPECT_EQ(t.State().riverCount[1], 0);

    t.table().ClickHandTile(t.PositionOf("8m"));
    EXPECT_EQ(t.State().riverCount[1], 1);
    EXPECT_EQ(t.fixture.dialogs.infos.size(), 1u);
  }
}

TEST(HumanDiscard, InRiichiOnlyTheDrawnTileGoes) {
  HumanTable t(Plan(1, {"", kNoWaitHand, kNoWaitHand, kNoWaitHand, kNoWaitHand}, {"", "5z7z", "6z", "6z", "6z"}));
  ASSERT_TRUE(t.TickToSeat1Discard());
  t.table().PressRiichi();
  t.table().ClickHandTile(kDrawnPosition);
  ASSERT_TRUE(t.TickUntil([&] { return t.State().turnStep == 2 && t.State().handTiles[1][kDrawnPosition] != 0; }));
  const HandRow before = t.State().handTiles[1];
  for (int pos = 1; pos < kDrawnPosition; ++pos) {
    SCOPED_TRACE(pos);
    EXPECT_FALSE(t.table().CanDiscard(pos));
    t.table().ClickHandTile(pos);
    EXPECT_EQ(t.State().handTiles[1], before);
    EXPECT_EQ(t.State().riverCount[1], 1);
  }
  t.table().ClickHandTile(kDrawnPosition);
  EXPECT_EQ(t.State().riverCount[1], 2);
  EXPECT_EQ(t.State().riverTiles[1][2], mj::test::Tile("7z"));
}

TEST(HumanDiscard, NoDiscardBeforeTheDrawOrOnAnotherSeatsTurn) {
  HumanTable t(Plan(2, {"", kNoWaitHand, kNoWaitHand, kNoWaitHand, kNoWaitHand}, {"", "5z", "6z", "6z", "6z"}));
  for (int pos = 1; pos <= kDrawnPosition; ++pos) EXPECT_FALSE(t.table().CanDiscard(pos));
  ASSERT_TRUE(t.TickUntil([&] { return t.State().turnStep == 1; }));
  for (int pos = 1; pos <= kDrawnPosition; ++pos) EXPECT_FALSE(t.table().CanDiscard(pos));
  t.table().ClickHandTile(1);
  EXPECT_EQ(t.State().riverCount[1], 0);
}

TEST(HumanDiscard, AChiSelectionWithTwoOptions) {
  // Seat 4 throws 5m; seat 1 may chi it with 3m4m or with 4m6m.
  HumanTable t(Plan(4, {"", "3m4m6m3p6p9p2s5s8s1z2z3z4z", kNoWaitHand, kNoWaitHand, kNoWaitHand}, {"", "", "", "", "5m"}));
  ASSERT_TRUE(t.TickUntil([&] { return t.table().CanPressChi(); }));
  t.table().PressChi();
  ASSERT_EQ(t.State().chiSelecting, 1);
  ASSERT_EQ(t.State().callResponse[1], kAnswerNone);
  const int m3 = t.PositionOf("3m"), m4 = t.PositionOf("4m"), m6 = t.PositionOf("6m"), p9 = t.PositionOf("9p");
  EXPECT_EQ(t.table().RaisedPositions(m3), (std::vector<int>{m3, m4}));
  EXPECT_EQ(t.table().RaisedPositions(m6), (std::vector<int>{m4, m6}));
  EXPECT_EQ(t.table().RaisedPositions(p9), std::vector<int>{});

  t.table().ClickHandTile(p9);  // not raised: nothing happens
  EXPECT_EQ(t.State().chiSelecting, 1);
  EXPECT_EQ(t.State().callResponse[1], kAnswerNone);
  EXPECT_FALSE(t.table().CanClickTable());

  t.table().ClickHandTile(m6);
  const TableState& s = t.State();
  EXPECT_EQ(s.chiTiles[1][1], mj::test::Tile("4m"));
  EXPECT_EQ(s.chiTiles[1][3], mj::test::Tile("6m"));
  EXPECT_NE(t.PositionOf("3m"), 0);
  EXPECT_EQ(t.PositionOf("4m"), 0);
  EXPECT_EQ(s.currentSeat, 1);
  EXPECT_EQ(s.turnStep, 2);
}

TEST(HumanDiscard, AKanSelectionEndsOnAClickOutsideItsOptions) {
  HumanTable t(Plan(1, {"", "1m1m1m9p9p9p9p5m8m2s5s8s1z"}, {"", "1m"}));
  ASSERT_TRUE(t.TickUntil([&] { return t.table().CanPressKan(); }));
  t.table().PressKan();
  ASSERT_EQ(t.State().kanSelecting, 1);
  EXPECT_EQ(t.table().RaisedPositions(t.PositionOf("9p")).size(), 4u);

  t.table().ClickHandTile(t.PositionOf("8m"));
  EXPECT_EQ(t.State().kanSelecting, 0);
  EXPECT_EQ(t.State().callResponse[1], kAnswerNone);
  EXPECT_EQ(t.State().riverCount[1], 0);  // the click did not discard either
  EXPECT_TRUE(t.table().CanPressKan());

  t.table().PressKan();
  t.table().ClickHandTile(t.PositionOf("9p"));
  EXPECT_EQ(t.State().closedKanKinds[1][1], mj::test::Tile("9p"));
  EXPECT_EQ(t.State().closedKanKinds[1][2], 0);
}

}  // namespace
}  // namespace mj::engine
