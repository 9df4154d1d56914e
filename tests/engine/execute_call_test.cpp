#include "engine/execute_call.h"

#include <gtest/gtest.h>

#include <functional>

#include "engine/call_options.h"
#include "engine/wall.h"
#include "tests/engine/call_fixtures.h"

namespace mj::engine {
namespace {

std::string Kinds(const std::array<TileCode, 5>& set) { return test::Notation({set[1], set[2], set[3], set[4]}); }

TableState Recorded(TableState s) {
  s.recordEnabled = true;
  return s;
}

TEST(ExecuteCall, ChiTakesTheOptionTilesAndLeavesTheCallerAtItsDiscard) {
  TableState s = Recorded(test::TableWithDiscard(4, "4m"));
  s.rules.value[39] = 0;
  test::SetHand(s, 1, "0m6m123p456p789s12z");
  s.ippatsu[2] = true;
  s.riichiStakePending[4] = true;
  ASSERT_TRUE(FindCallOptions(s, 1, test::Tile("4m"), true));

  const CallResult r = ExecuteCall(s, 1, kCallChi, {});
  EXPECT_EQ(r.kind, kCallChi);
  EXPECT_EQ(r.sound, 2);
  EXPECT_TRUE(r.firstCall);
  EXPECT_EQ(r.discarder, 4);
  EXPECT_EQ(r.calledTile, test::Tile("4m"));
  EXPECT_EQ(test::HandText(s, 1), "1p2p3p4p5p6p7s8s9s1z2z");
  EXPECT_EQ(test::MeldText(s, 1), "4m0m6m");  // the called tile first, the red five kept
  EXPECT_EQ(test::Notation({s.chiTiles[1][1], s.chiTiles[1][2], s.chiTiles[1][3]}), "4m5m6m");
  EXPECT_EQ(Kinds(s.calledSets[1][1]), "4m5m6m_");
  EXPECT_EQ(s.meldFromSeat[1][1], 4);
  EXPECT_EQ(test::Notation({s.kuikaeBan[1], s.kuikaeBan[2]}), "4m7m");
  EXPECT_TRUE(s.hasCalled[1]);
  EXPECT_TRUE(s.discardAfterCall);
  EXPECT_EQ(s.currentSeat, 1);
  EXPECT_EQ(s.turnStep, 2);
  EXPECT_FALSE(s.kanDrawPending);
  EXPECT_FALSE(s.ippatsu[2]);
  EXPECT_FALSE(s.riichiStakePending[4]);
  EXPECT_EQ(s.riverTiles[4][1], test::Tile("4m"));  // stays for the record
  EXPECT_TRUE(s.riverTakenByCall[4][1]);
  EXPECT_EQ(s.recordLines.back(), "1C5M6m");
  EXPECT_FALSE(CanChi(s, 1));
}

TEST(ExecuteCall, ChiTakesTheChosenOptionAndRefusesOneThatDoesNotExist) {
  TableState s = Recorded(test::TableWithDiscard(4, "5m"));
  test::SetHand(s, 1, "3467m123p456p11z");
  s.hasCalled[1] = true;
  ASSERT_TRUE(FindCallOptions(s, 1, test::Tile("5m"), true));
  const TableState before = s;
  EXPECT_EQ(ExecuteCall(s, 1, kCallChi, {4}).kind, 0);
  EXPECT_EQ(test::HandText(s, 1), test::HandText(before, 1));
  EXPECT_FALSE(s.riverTakenByCall[4][1]);

  const CallResult r = ExecuteCall(s, 1, kCallChi, {2});
  EXPECT_EQ(r.kind, kCallChi);
  EXPECT_FALSE(r.firstCall);
  EXPECT_EQ(test::MeldText(s, 1), "5m4m6m");
  EXPECT_EQ(test::Notation({s.chiTiles[1][1], s.chiTiles[1][2], s.chiTiles[1][3]}), "4m5m6m");
  EXPECT_EQ(test::HandText(s, 1), "3m7m1p2p3p4p5p6p1z1z");
  EXPECT_EQ(s.recordLines.back(), "1C4m6m");
  EXPECT_EQ(s.kuikaeBan, (std::array<TileCode, 3>{}));  // kuikae allowed by default
}

TEST(ExecuteCall, PonTakesTheFirstTwoAndBansTheKindWithoutKuikae) {
  for (int rule39 : {0, 1}) {
    SCOPED_TRACE(rule39);
    TableState s = Recorded(test::TableWithDiscard(1, "5p"));
    s.rules.value[39] = static_cast<std::int16_t>(rule39);
    test::SetHand(s, 3, "0p55p123m456m789s1z");
    ASSERT_TRUE(FindCallOptions(s, 3, test::Tile("5p"), false));
    ASSERT_TRUE(CanKan(s, 3));

    const CallResult r = ExecuteCall(s, 3, kCallPon, {});
    EXPECT_EQ(r.kind, kCallPon);
    EXPECT_EQ(r.sound, 3);
    EXPECT_EQ(test::MeldText(s, 3), "5p0p5p");
    EXPECT_EQ(test::HandText(s, 3), "1m2m3m4m5m6m5p7s8s9s1z");
    EXPECT_EQ(s.ponKinds[3][1], test::Tile("5p"));
    EXPECT_EQ(Kinds(s.calledSets[3][1]), "5p5p5p_");
    EXPECT_EQ(s.kuikaeBan[1], rule39 == 0 ? test::Tile("5p") : 0);
    EXPECT_EQ(s.kuikaeBan[2], 0);
    EXPECT_TRUE(s.discardAfterCall);
    EXPECT_EQ(s.turnStep, 6);
    EXPECT_FALSE(CanKan(s, 3));
    EXPECT_EQ(s.recordLines.back(), "3N");
  }
}

TEST(ExecuteCall, OpenKanWaitsForItsReplacementDraw) {
  TableState s = Recorded(test::TableWithDiscard(1, "7z"));
  test::SetHand(s, 3, "777z123m456m789s1z");
  ASSERT_TRUE(FindCallOptions(s, 3, test::Tile("7z"), false));

  const CallResult r = ExecuteCall(s, 3, kCallKan, {});
  EXPECT_EQ(r.kind, kCallKan);
  EXPECT_EQ(r.kanType, KanType::Open);
  EXPECT_EQ(r.sound, 4);
  EXPECT_TRUE(r.firstCall);
  EXPECT_EQ(r.robbing, KanRobbing::None);
  EXPECT_EQ(test::MeldText(s, 3), "7z7z7z7z");
  EXPECT_EQ(s.openKanKinds[3][1], kRed);
  EXPECT_EQ(Kinds(s.calledSets[3][1]), "7z7z7z7z");
  EXPECT_TRUE(s.hasCalled[3]);
  EXPECT_TRUE(s.kanDrawPending);
  EXPECT_FALSE(s.discardAfterCall);
  EXPECT_EQ(s.currentSeat, 3);
  EXPECT_EQ(s.turnStep, 6);
  EXPECT_EQ(s.kanCount, 1);
  EXPECT_EQ(s.pendingKanDora, 2);
  EXPECT_EQ(s.recordLines.back(), "3K中");
}

TEST(ExecuteCall, ConcealedKanKeepsTheHandClosedAndOnlyKokushiMayRobIt) {
  for (int rule27 : {0, 1}) {
    SCOPED_TRACE(rule27);
    TableState s = Recorded(test::TableOnOwnTurn(2, "1111m23456789p1z", "2z"));
    s.rules.value[27] = static_cast<std::int16_t>(rule27);
    s.ippatsu[4] = true;
    ASSERT_TRUE(FindCallOptions(s, 2, test::Tile("2z"), false));

    const CallResult r = ExecuteCall(s, 2, kCallKan, {1});
    EXPECT_EQ(r.kanType, KanType::Concealed);
    EXPECT_FALSE(r.firstCall);
    EXPECT_EQ(r.discarder, 0);
    EXPECT_EQ(r.robbing, rule27 == 1 ? KanRobbing::KokushiOnly : KanRobbing::None);
    EXPECT_EQ(s.robbedKanTile, rule27 == 1 ? test::Tile("1m") : 0);
    EXPECT_EQ(test::HandText(s, 2), "2p3p4p5p6p7p8p9p1z2z");  // the drawn 2z took a freed place
    EXPECT_EQ(s.handTiles[2][14], 0);
    EXPECT_EQ(s.closedKanKinds[2][1], 1);
    EXPECT_EQ(Kinds(s.calledSets[2][1]), "____");
    EXPECT_EQ(s.meldFromSeat[2][1], 0);
    EXPECT_FALSE(s.hasCalled[2]);
    EXPECT_FALSE(s.ippatsu[4]);
    EXPECT_EQ(s.pendingKanDora, 1);
    EXPECT_TRUE(s.kanDrawPending);
    EXPECT_EQ(s.recordLines.back(), "2K1m");
  }
}

// Pon 5m, chi 3-4p on 5p, then the drawn 5m joins the pon in front of the chi.
TEST(ExecuteCall, AddedKanGrowsItsPonAndCanBeRobbed) {
  TableState s = Recorded(test::TableWithDiscard(3, "5m"));
  test::SetHand(s, 1, "55m34p678s123s112z");
  ASSERT_TRUE(FindCallOptions(s, 1, test::Tile("5m"), false));
  ASSERT_EQ(ExecuteCall(s, 1, kCallPon, {}).kind, kCallPon);
  test::DiscardFromHand(s, 1, "2z");
  test::AddToRiver(s, 4, "5p");
  s.currentSeat = 4;
  ASSERT_TRUE(FindCallOptions(s, 1, test::Tile("5p"), true));
  ASSERT_EQ(ExecuteCall(s, 1, kCallChi, {}).kind, kCallChi);
  test::DiscardFromHand(s, 1, "1z");
  s.currentSeat = 1;
  s.handTiles[1][14] = test::Tile("5m");
  ASSERT_TRUE(FindCallOptions(s, 1, test::Tile("5m"), false));

  const CallResult r = ExecuteCall(s, 1, kCallKan, {1});
  EXPECT_EQ(r.kanType, KanType::Added);
  EXPECT_FALSE(r.firstCall);
  EXPECT_EQ(r.robbing, KanRobbing::AnyWinner);
  EXPECT_EQ(s.robbedKanTile, test::Tile("5m"));
  EXPECT_EQ(test::MeldText(s, 1), "5m5m5m5m5p3p4p");
  EXPECT_EQ(s.meldSizes[1][1], 4);
  EXPECT_EQ(s.meldSizes[1][2], 3);
  EXPECT_EQ(s.ponKinds[1][1], 0);
  EXPECT_EQ(s.openKanKinds[1][1], 5);
  EXPECT_EQ(Kinds(s.calledSets[1][1]), "5m5m5m5m");
  EXPECT_EQ(Kinds(s.calledSets[1][2]), "3p4p5p_");
  EXPECT_EQ(s.pendingKanDora, 2);
  EXPECT_EQ(s.recordLines, (std::vector<std::string>{"1N", "1C3p4p", "1K5m"}));
}

// A table ready for one call: the caller and the tile its search looks at.
struct CallSetup {
  TableState state;
  int seat = 0;
  TileCode tile = 0;
};

CallSetup OnDiscard(int discarder, const char* tile, int seat, const char* hand) {
  CallSetup setup{test::TableWithDiscard(discarder, tile), seat, test::Tile(tile)};
  test::SetHand(setup.state, seat, hand);
  return setup;
}

CallSetup OnOwnTurn(int seat, const char* hand, const char* drawn) {
  return {test::TableOnOwnTurn(seat, hand, drawn), seat, test::Tile(drawn)};
}

bool Search(CallSetup& setup) {
  TableState& s = setup.state;
  return FindCallOptions(s, setup.seat, setup.tile, setup.seat == NextSeat(s.currentSeat));
}

CallSetup ConcealedKanSetup() { return OnOwnTurn(1, "1111m2222p34567s", "1z"); }
CallSetup OpenKanSetup() { return OnDiscard(2, "7z", 3, "777z123m456m789s1z"); }

Wall CyclingWall() {
  Wall wall{};
  for (int i = 1; i <= kWallSize; ++i) wall[static_cast<std::size_t>(i)] = static_cast<TileCode>((i - 1) % 34 + 1);
  return wall;
}

TEST(ExecuteCall, KanDoraTimingFollowsRule19WithTheReplacementDraw) {
  struct Row {
    const char* name;
    int rule4, rule19;
    bool concealed;
    bool flippedAtDraw;
    int pendingAfterDraw;  // left for the kan player's discard
  };
  const Row rows[] = {
      {"no kan dora, concealed", 2, 0, true, false, 0},
      {"no kan dora, open", 2, 0, false, false, 0},
      {"all at once, concealed", 2, 1, true, true, 0},
      {"all at once, open", 2, 1, false, true, 0},
      {"concealed at once", 2, 2, true, true, 0},
      {"open after the discard", 2, 2, false, false, 2},
      {"after the discard, concealed", 2, 3, true, false, 1},
      {"after the discard, open", 2, 3, false, false, 2},
      {"no dora at all", 0, 1, true, false, 0},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    CallSetup setup = row.concealed ? ConcealedKanSetup() : OpenKanSetup();
    TableState& s = setup.state;
    s.wallTiles = CyclingWall();
    s.breakPos = 41;
    s.rules.value[4] = static_cast<std::int16_t>(row.rule4);
    s.rules.value[19] = static_cast<std::int16_t>(row.rule19);
    if (row.rule4 != 0) FlipDoraIndicator(s);
    ASSERT_TRUE(Search(setup));
    ASSERT_EQ(ExecuteCall(s, setup.seat, kCallKan, {}).kind, kCallKan);
    EXPECT_EQ(s.doraIndicators[2], 0);

    const ReplacementDraw draw = DrawReplacementTile(s, setup.seat, false);
    EXPECT_EQ(draw.outcome, ReplacementOutcome::Drawn);
    EXPECT_EQ(s.handTiles[static_cast<std::size_t>(setup.seat)][14], s.wallTiles[39]);  // breakPos - 2
    EXPECT_EQ(draw.flippedSlot, row.flippedAtDraw ? 2 : 0);
    EXPECT_EQ(s.doraIndicators[2] != 0, row.flippedAtDraw);
    EXPECT_EQ(s.pendingKanDora, row.pendingAfterDraw);
  }
}

TEST(ExecuteCall, AKanFlipsTheDoraStillPendingFromTheKanBefore) {
  TableState s = ConcealedKanSetup().state;
  s.wallTiles = CyclingWall();
  s.breakPos = 41;
  s.rules.value[19] = 3;
  FlipDoraIndicator(s);
  ASSERT_TRUE(FindCallOptions(s, 1, test::Tile("1z"), false));
  ASSERT_EQ(ExecuteCall(s, 1, kCallKan, {1}).flippedDoraSlot, 0);
  DrawReplacementTile(s, 1, false);
  ASSERT_EQ(s.pendingKanDora, 1);

  ASSERT_TRUE(FindCallOptions(s, 1, s.handTiles[1][14], false));
  ASSERT_EQ(KanOptionAt(s, 1, 1).kind, test::Tile("2p"));
  const CallResult second = ExecuteCall(s, 1, kCallKan, {1});
  EXPECT_EQ(second.flippedDoraSlot, 2);
  EXPECT_EQ(s.doraIndicators[2], s.wallTiles[static_cast<std::size_t>(DoraIndicatorPos(41, 2))]);
  EXPECT_EQ(s.pendingKanDora, 1);  // the second kan's own dora waits in turn
  EXPECT_EQ(s.kanCount, 2);
  DrawReplacementTile(s, 1, false);
  EXPECT_EQ(s.handTiles[1][14], s.wallTiles[40]);  // the second replacement: breakPos - 1
}

TEST(ExecuteCall, RecordEntriesFollowTheRecordSwitch) {
  struct Row {
    const char* name;
    std::function<CallSetup()> setup;
    int kind;
    const char* entry;
  };
  const Row rows[] = {
      {"pon", [] { return OnDiscard(1, "1p", 2, "11p123m456m789s1z"); }, kCallPon, "2N"},
      {"chi with the red five", [] { return OnDiscard(2, "4p", 3, "30p123m456m789s1z"); }, kCallChi, "3C3p5P"},
      {"open kan of 白", [] { return OnDiscard(4, "5z", 1, "555z123m456m789s1z"); }, kCallKan, "1K白"},
      {"concealed kan with a red five", [] { return OnOwnTurn(4, "0555s123m456m789p", "1z"); }, kCallKan, "4K5S"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    for (bool enabled : {false, true}) {
      CallSetup setup = row.setup();
      TableState& s = setup.state;
      s.recordEnabled = enabled;
      ASSERT_TRUE(Search(setup));
      ASSERT_EQ(ExecuteCall(s, setup.seat, row.kind, {}).kind, row.kind);
      EXPECT_EQ(s.recordLines, enabled ? std::vector<std::string>{row.entry} : std::vector<std::string>{});
    }
  }
}

TEST(ExecuteCall, RefusedCallsChangeNothing) {
  struct Row {
    const char* name;
    int kind;
    int option;
    std::function<void(TableState&)> change;  // after the search, before the call
  };
  const auto noChange = [](TableState&) {};
  const auto fakeOpenKan = [](TableState& s) {
    s.mayKan[1] = true;
    s.kanOptionCount[1] = 1;
    s.kanOptions[1][1] = test::Tile("4m");
    s.kanOptionTypes[1][1] = KanType::Open;
  };
  const Row rows[] = {
      {"not a call kind", 7, 1, noChange},
      {"no pon was offered", kCallPon, 1, noChange},
      {"chi option out of range", kCallChi, 2, noChange},
      {"kan option out of range", kCallKan, 2, fakeOpenKan},
      {"a kan the hand cannot make", kCallKan, 1, fakeOpenKan},
      {"the tile on offer changed", kCallChi, 1, [](TableState& s) { s.riverTiles[4][1] = test::Tile("1z"); }},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    TableState s = Recorded(test::TableWithDiscard(4, "4m"));
    test::SetHand(s, 1, "56m123p456p789s1z");
    ASSERT_TRUE(FindCallOptions(s, 1, test::Tile("4m"), true));
    row.change(s);
    const TableState before = s;
    EXPECT_EQ(ExecuteCall(s, 1, row.kind, {row.option}).kind, 0);
    EXPECT_EQ(s.handTiles, before.handTiles);
    EXPECT_EQ(s.meldTiles, before.meldTiles);
    EXPECT_EQ(s.hasCalled, before.hasCalled);
    EXPECT_EQ(s.riverTakenByCall, before.riverTakenByCall);
    EXPECT_EQ(s.turnStep, before.turnStep);
    EXPECT_TRUE(s.recordLines.empty());
  }
}

}  // namespace
}  // namespace mj::engine
