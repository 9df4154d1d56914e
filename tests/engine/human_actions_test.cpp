#include <gtest/gtest.h>

#include <functional>

#include "hand/yaku_codes.h"
#include "tests/engine/human_table.h"

namespace mj::engine {
namespace {

using test::HumanTable;
using test::kNoWaitHand;
using test::Plan;
using test::WallPlan;

// Seat 1 waits on 5p alone with 断么九.
constexpr const char* kWaitsOn5p = "234m567m234s678s5p";
// Eleven kinds of terminals and honours: 九種九牌 on the first draw.
constexpr const char* kNineKinds = "1m9m1p9p1s9s1z2z3z4z5z2m3m";
// Three 1m: the fourth drawn makes a concealed kan.
constexpr const char* kThree1m = "1m1m1m5m8m3p6p9p2s5s8s1z2z";

// The lit buttons in display order, as the window would show them.
std::string LitButtons(const Table& t) {
  std::string lit;
  auto add = [&](bool on, const char* name) {
    if (on) lit += lit.empty() ? name : std::string(" ") + name;
  };
  add(t.CanPressPass(), "無視");
  add(t.CanPressChi(), "チー");
  add(t.CanPressPon(), "ポン");
  add(t.CanPressKan(), "カン");
  add(t.CanPressRiichi(), "立直");
  add(t.CanPressWin(), "倒牌");
  add(t.CanClickTable(), "卓");
  return lit;
}

// Ticks until seat 1 is asked something or may discard.
bool TickToSeat1Turn(HumanTable& t) {
  return t.TickUntil([&] { return t.table().CanPressPass() || t.table().CanDiscard(kDrawnPosition); });
}

struct ButtonRow {
  const char* name;
  WallPlan plan;
  std::function<void(Table&)> then;
  const char* lit;
};

TEST(HumanActions, EachPredicateLightsItsButton) {
  auto nothing = [](Table&) {};
  const ButtonRow rows[] = {
      {"seat 1 to discard, nothing on offer", Plan(1, {"", kNoWaitHand}, {"", "5z"}), nothing, "立直"},
      {"a pon on seat 3's discard", Plan(3, {"", "2m5m8m3p6p9p2s5s8s1z2z7z7z", kNoWaitHand, kNoWaitHand, kNoWaitHand}, {"", "", "", "7z"}),
       nothing, "無視 ポン 卓"},
      {"a chi on seat 4's discard", Plan(4, {"", "2m3m8m3p6p9p2s5s8s1z2z3z4z", kNoWaitHand, kNoWaitHand, kNoWaitHand}, {"", "", "", "", "4m"}),
       nothing, "無視 チー 卓"},
      {"a concealed kan on the drawn tile", Plan(1, {"", kThree1m}, {"", "1m"}), nothing, "無視 カン 立直 卓"},
      {"the riichi stick out with a kan on offer", Plan(1, {"", kThree1m}, {"", "1m"}), [](Table& t) { t.PressRiichi(); },
       "無視 立直 卓"},
      {"a ron on seat 2's discard", Plan(2, {"", kWaitsOn5p, kNoWaitHand, kNoWaitHand, kNoWaitHand}, {"", "", "5p"}), nothing,
       "無視 倒牌 卓"},
      {"nine kinds of terminals and honours on the first draw", Plan(1, {"", kNineKinds}, {"", "6z"}), nothing,
       "無視 立直 倒牌 卓"},
      {"during a chi selection", Plan(4, {"", "3m4m6m3p6p9p2s5s8s1z2z3z4z", kNoWaitHand, kNoWaitHand, kNoWaitHand}, {"", "", "", "", "5m"}),
       [](Table& t) { t.PressChi(); }, "無視 チー"},
      {"after the answer", Plan(3, {"", "2m5m8m3p6p9p2s5s8s1z2z7z7z", kNoWaitHand, kNoWaitHand, kNoWaitHand}, {"", "", "", "7z"}),
       [](Table& t) { t.PressPass(); }, ""},
  };
  for (const ButtonRow& row : rows) {
    SCOPED_TRACE(row.name);
    HumanTable t(row.plan);
    ASSERT_TRUE(TickToSeat1Turn(t));
    row.then(t.table());
    EXPECT_EQ(LitButtons(t.table()), row.lit);
  }
}

TEST(HumanActions, AnAnswerWithOneOptionIsCarriedOutAtOnce) {
  struct Row {
    const char* name;
    WallPlan plan;
    std::function<void(Table&)> press;
    std::function<bool(const TableState&)> done;
    const char* litAfter;  // a concealed kan leaves riichi open
  };
  const Row rows[] = {
      {"ポン", Plan(3, {"", "2m5m8m3p6p9p2s5s8s1z2z7z7z", kNoWaitHand, kNoWaitHand, kNoWaitHand}, {"", "", "", "7z"}),
       [](Table& t) { t.PressPon(); }, [](const TableState& s) { return s.ponKinds[1][1] == mj::test::Tile("7z"); }, ""},
      {"チー", Plan(4, {"", "2m3m8m3p6p9p2s5s8s1z2z3z4z", kNoWaitHand, kNoWaitHand, kNoWaitHand}, {"", "", "", "", "4m"}),
       [](Table& t) { t.PressChi(); }, [](const TableState& s) { return s.chiTiles[1][1] == mj::test::Tile("2m"); }, ""},
      {"カン", Plan(1, {"", kThree1m}, {"", "1m"}), [](Table& t) { t.PressKan(); },
       [](const TableState& s) { return s.closedKanKinds[1][1] == mj::test::Tile("1m"); }, "立直"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    HumanTable t(row.plan);
    ASSERT_TRUE(TickToSeat1Turn(t));
    row.press(t.table());
    EXPECT_TRUE(row.done(t.State()));
    EXPECT_EQ(t.State().currentSeat, 1);
    EXPECT_EQ(t.State().turnStep, 2);
    EXPECT_EQ(LitButtons(t.table()), row.litAfter);
  }
}

TEST(HumanActions, NineKindsAreDeclaredWithTheWinButton) {
  HumanTable t(Plan(1, {"", kNineKinds, kNoWaitHand, kNoWaitHand, kNoWaitHand}, {"", "6z"}));
  ASSERT_TRUE(TickToSeat1Turn(t));
  t.table().PressWin();
  EXPECT_TRUE(t.HandEnded());
  EXPECT_EQ(t.fixture.view.endings, std::vector<YakuCode>{hand::yaku::kNineTerminals});
}

TEST(HumanActions, TheTableClickPassesLikeTheButton) {
  for (bool click : {false, true}) {
    SCOPED_TRACE(click ? "a click on the table" : "無視");
    HumanTable t(Plan(3, {"", "2m5m8m3p6p9p2s5s8s1z2z7z7z", kNoWaitHand, kNoWaitHand, kNoWaitHand}, {"", "", "", "7z"}));
    ASSERT_TRUE(TickToSeat1Turn(t));
    click ? t.table().ClickTable() : t.table().PressPass();
    EXPECT_EQ(t.State().callResponse[1], kAnswerPass);
    EXPECT_EQ(t.State().turnStep, 7);  // seat 4 draws next
    EXPECT_FALSE(t.State().hasCalled[1]);
  }
}

TEST(HumanActions, NoCallsPassesDiscardOffersButStillWaitsOnTheOwnKan) {
  struct Row {
    const char* name;
    WallPlan plan;
    bool waits;
  };
  const Row rows[] = {
      {"a pon on a discard", Plan(3, {"", "2m5m8m3p6p9p2s5s8s1z2z7z7z", kNoWaitHand, kNoWaitHand, kNoWaitHand}, {"", "", "", "7z"}), false},
      {"a concealed kan on the own draw", Plan(1, {"", kThree1m}, {"", "1m"}), true},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    HumanTable t(row.plan);
    t.table().ToggleNoCalls();
    ASSERT_TRUE(t.State().noCallsToggle);
    // Tick until the offered tile has been answered one way or the other.
    ASSERT_TRUE(t.TickUntil([&] { return t.fixture.timers.responseRunning || t.State().riverCount[1] > 0 || t.State().turnStep == 7; }));
    EXPECT_EQ(t.fixture.timers.responseRunning, row.waits);
    EXPECT_EQ(t.table().CanPressKan(), row.waits);
    EXPECT_FALSE(t.table().CanPressPon());
  }
}

TEST(HumanActions, LettingRonsPassMakesTheSeatFuritenUntilItsNextDraw) {
  // Seat 2 deals and throws 5p, seat 3 another; seat 1 waits on 5p.
  for (bool letPass : {false, true}) {
    SCOPED_TRACE(letPass ? "栄和見逃し checked" : "unchecked");
    HumanTable t(Plan(2, {"", kWaitsOn5p, kNoWaitHand, kNoWaitHand, kNoWaitHand}, {"", "7z", "5p", "5p", "6z"}));
    if (letPass) t.table().ToggleLetRonsPass();
    ASSERT_TRUE(t.TickUntil([&] { return t.State().riverCount[2] == 1; }));
    const TableState& s = t.State();
    EXPECT_EQ(t.table().CanPressWin(), !letPass);
    if (!letPass) continue;
    EXPECT_TRUE(s.missedWinFuriten[1]);
    EXPECT_FALSE(t.fixture.timers.responseRunning);  // passed silently
    // Seat 3's 5p passes the same way; seat 1's own draw ends the furiten.
    ASSERT_TRUE(t.TickUntil([&] { return s.turnStep == 1 && s.handTiles[1][kDrawnPosition] == 0 && s.riverCount[3] == 1; }));
    EXPECT_TRUE(s.missedWinFuriten[1]);
    ASSERT_TRUE(t.Tick());
    EXPECT_FALSE(s.missedWinFuriten[1]);
  }
}

TEST(HumanActions, TogglesFlipAndANewHandClearsThem) {
  HumanTable t(Plan(1, {"", kNoWaitHand}, {"", "5z"}));
  t.table().ToggleNoCalls();
  t.table().ToggleLetRonsPass();
  EXPECT_TRUE(t.State().noCallsToggle && t.State().letRonsPassToggle);
  t.table().ToggleNoCalls();
  EXPECT_FALSE(t.State().noCallsToggle);
  ASSERT_TRUE(t.table().StartHand().ok());
  EXPECT_FALSE(t.State().letRonsPassToggle);
}

}  // namespace
}  // namespace mj::engine
