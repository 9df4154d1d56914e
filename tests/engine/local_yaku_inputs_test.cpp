#include "engine/local_yaku_inputs.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "engine/tsumogiri_seat.h"
#include "hand/yaku_codes.h"
#include "tests/engine/arranged_wall.h"
#include "tests/engine/call_fixtures.h"
#include "tests/engine/table_fixture.h"

namespace mj::engine {
namespace {

struct KanInputs {
  bool discardAfterKan;
  int kanRunCount;
  bool kanOfRedDragon;
  bool operator==(const KanInputs&) const = default;
};

KanInputs InputsOf(const TableState& s) { return {s.discardAfterKan, s.kanRunCount, s.kanOfRedDragon}; }

TEST(LocalYakuInputs, KansRunUntilTheTurnPasses) {
  TableState s;
  s.discardAfterKan = true;  // from an earlier replacement draw
  NoteKanDeclared(s, kRed);
  EXPECT_EQ(InputsOf(s), (KanInputs{false, 1, true}));
  s.discardAfterKan = true;  // the replacement draw
  NoteKanDeclared(s, 5);
  EXPECT_EQ(InputsOf(s), (KanInputs{false, 2, false}));
  s.discardAfterKan = true;
  NoteTurnPassed(s);
  EXPECT_EQ(InputsOf(s), (KanInputs{false, 0, false}));
  NoteKanDeclared(s, kRed);
  s.lastCopyWin[2] = true;
  ClearPerHandState(s);
  EXPECT_EQ(InputsOf(s), (KanInputs{false, 0, false}));
  EXPECT_FALSE(s.lastCopyWin[2]);
}

TEST(LocalYakuInputs, RiichiOnTheLastCopy) {
  struct Row {
    const char* name;
    const char* hand;      // seat 1's thirteen tiles after its riichi discard
    const char* river2;    // seat 2's river
    const char* ponBy3;    // a pon seat 3 made on seat 2's last river tile
    const char* dora;
    bool inForce;
    bool marked;
  };
  const Row rows[] = {
      {"one 5s left of a single wait", "123m456m789m123p5s", "5s5s", "", "", true, true},
      {"two left", "123m456m789m123p5s", "5s", "", "", true, false},
      {"not in force", "123m456m789m123p5s", "5s5s", "", "", false, false},
      {"two kinds waited on", "123m456m789m23p55s", "1p1p1p", "", "", true, false},
      {"a dora indicator is seen", "123m456m789m11p46s", "5s5s", "", "5s", true, true},
      {"a pon's called tile counts once", "123m456m789m11p46s", "1z5s", "5s", "", true, true},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    TableState s;
    s.rules.SetLocalYaku(hand::yaku::kZetchou, row.inForce ? 1 : 0);
    mj::test::SetHand(s, 1, row.hand);
    mj::test::AddToRiver(s, 2, row.river2);
    if (*row.ponBy3 != '\0') {
      s.riverTakenByCall[2][static_cast<std::size_t>(s.riverCount[2])] = true;
      s.ponKinds[3][1] = mj::test::Tile(row.ponBy3);
      s.hasCalled[3] = true;
    }
    if (*row.dora != '\0') s.doraIndicators[1] = mj::test::Tile(row.dora);
    NoteRiichiWait(s, 1);
    EXPECT_EQ(s.lastCopyWin[1], row.marked);
  }
}

// Declares every kan it is offered on its own tile, takes every win, and
// discards the first tile of one kind when it holds it (else the last tile).
// Each discard it chooses notes the kan inputs of the moment.
class KanningSeat final : public SeatController {
 public:
  int Respond(TableState& s, int seat) override {
    const auto i = static_cast<std::size_t>(seat);
    if (s.canRon[i]) return kAnswerWin;
    return s.mayKan[i] && s.currentSeat == seat && seat == kanSeat ? kAnswerKan : kAnswerPass;
  }
  std::optional<DiscardChoice> ChooseDiscard(TableState& s, int seat) override {
    seen.push_back({seat, InputsOf(s)});
    const HandRow& hand = s.handTiles[static_cast<std::size_t>(seat)];
    for (int p = 1; p <= kHandPositions; ++p) {
      if (hand[static_cast<std::size_t>(p)] == discardKind) return DiscardChoice{p, false};
    }
    return DiscardChoice{LastTilePosition(s, seat), false};
  }

  int kanSeat = 1;
  TileCode discardKind = 1;  // 1m
  std::vector<std::pair<int, KanInputs>> seen;
};

constexpr const char* kDeadHand = "2m5m8m2p5p8p2s5s8s3m6m3p6p";

// Seat 1 deals, draws 7z onto its hand and kans; seat 2 waits on 1m with no
// yaku of its own.
struct KanTable {
  test::TableFixture fixture;
  KanningSeat seats;
  KanTable(const char* dealerHand, bool kanburi) {
    test::WallPlan plan;
    plan.dealer = 1;
    plan.hands = {"", dealerHand, "23m456p789p456s11z", kDeadHand, kDeadHand};
    plan.draws = {"", "7z", "9s", "9s", "9s"};
    TableState& s = fixture.State();
    s.rules.SetLocalYaku(hand::yaku::kKanburi, kanburi ? 1 : 0);
    for (int seat = 1; seat <= kSeats; ++seat) fixture.table.SetSeatController(seat, seats);
    fixture.table.SetNextWall(test::ArrangedWall(plan));
    fixture.table.SetFirstDealer(1);
    fixture.table.OpenTable();
  }
  // Ticks until `discards` discards were chosen or a hand was settled.
  void Play(std::size_t discards) {
    for (int step = 0; step < 200 && seats.seen.size() < discards && fixture.view.settled.empty(); ++step) {
      ASSERT_TRUE(fixture.Tick()) << "waiting with no timer running";
    }
  }
};

constexpr const char* kRedDragonKanHand = "777z1m2m5m8m2p5p8p2s5s";

TEST(LocalYakuInputs, TheDiscardAfterAKanIsWonAsKanburi) {
  KanTable table(kRedDragonKanHand, true);
  table.Play(2);
  ASSERT_EQ(table.seats.seen.size(), 1u);
  EXPECT_EQ(table.seats.seen[0].second, (KanInputs{true, 1, true}));
  ASSERT_EQ(table.fixture.view.settled, std::vector<int>{2});
  EXPECT_EQ(table.fixture.view.settledLists[0][0], hand::yaku::kKanburi);
}

TEST(LocalYakuInputs, TheNextTurnStartsWithoutTheKan) {
  KanTable table(kRedDragonKanHand, false);
  table.Play(2);
  ASSERT_EQ(table.seats.seen.size(), 2u);
  EXPECT_EQ(table.seats.seen[0], std::make_pair(1, KanInputs{true, 1, true}));
  EXPECT_EQ(table.seats.seen[1], std::make_pair(2, KanInputs{false, 0, false}));
  EXPECT_TRUE(table.fixture.view.settled.empty()) << "without 槓振り seat 2 has no yaku";
}

TEST(LocalYakuInputs, TwoKansInOneTurnMakeARun) {
  KanTable table("6666z777z1m2m5m8m2p5p", false);
  table.Play(1);
  ASSERT_EQ(table.seats.seen.size(), 1u);
  EXPECT_TRUE(table.seats.seen[0].second.discardAfterKan);
  EXPECT_EQ(table.seats.seen[0].second.kanRunCount, 2);
  EXPECT_EQ(table.fixture.State().closedKanKinds[1][2], kRed);
  EXPECT_TRUE(table.seats.seen[0].second.kanOfRedDragon) << "the last kan was of 中";
}

// The discard that fixes a riichi marks the seat.
TEST(LocalYakuInputs, TheRiichiDiscardMarksTheLastCopy) {
  for (bool riichi : {true, false}) {
    SCOPED_TRACE(riichi);
    test::TableFixture fixture;
    test::WallPlan plan;
    plan.dealer = 1;
    plan.hands = {"", "123m456m789m123p5s", kDeadHand, kDeadHand, kDeadHand};
    plan.draws = {"", "1z"};
    TableState& s = fixture.State();
    s.rules.SetLocalYaku(hand::yaku::kZetchou, 1);
    fixture.table.SetNextWall(test::ArrangedWall(plan));
    fixture.table.SetFirstDealer(1);
    fixture.table.OpenTable();
    fixture.table.OnTurnTimer();  // the dealer draws 1z
    ASSERT_EQ(s.turnStep, 2);
    mj::test::AddToRiver(s, 3, "5s5s");
    if (riichi) fixture.table.DeclareRiichi(1, false);
    fixture.table.Discard(1, kDrawnPosition);
    EXPECT_EQ(s.InRiichi(1), riichi);
    EXPECT_EQ(s.lastCopyWin[1], riichi);
  }
}

}  // namespace
}  // namespace mj::engine
