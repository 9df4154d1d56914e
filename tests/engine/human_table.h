#pragma once
// A table whose seat 1 is the player at this machine, dealt from a written
// wall, for tests that press the buttons and click the tiles the way the
// window does.
#include <functional>
#include <string_view>

#include "engine/human_seat.h"
#include "engine/tsumogiri_seat.h"
#include "tests/engine/arranged_wall.h"
#include "tests/engine/table_fixture.h"
#include "tests/support/tile_notation.h"

namespace mj::engine::test {

// Thirteen tiles that no single tile completes, calls nothing and offers no
// 九種九牌; no 5z-7z in it.
constexpr const char* kNoWaitHand = "2m5m8m3p6p9p2s5s8s1z2z3z4z";

// A CPU that takes every pon (and every win) offered and otherwise plays
// like the passive seat.
class PonSeat final : public SeatController {
 public:
  int Respond(TableState& s, int seat) override {
    const auto i = static_cast<std::size_t>(seat);
    if (s.canRon[i]) return kAnswerWin;
    return s.mayPon[i] ? kAnswerPon : kAnswerPass;
  }
  std::optional<DiscardChoice> ChooseDiscard(TableState& s, int seat) override {
    return DiscardChoice{TsumogiriPosition(s, seat), false, false};
  }
};

// A CPU that asks for a riichi (open or not) with its discard of the drawn
// tile once it has made the given number of discards.
class RiichiSeat final : public SeatController {
 public:
  explicit RiichiSeat(bool open = false, int afterDiscards = 0) : open_(open), afterDiscards_(afterDiscards) {}
  int Respond(TableState&, int) override { return kAnswerPass; }
  std::optional<DiscardChoice> ChooseDiscard(TableState& s, int seat) override {
    const bool riichi = s.riverCount[static_cast<std::size_t>(seat)] >= afterDiscards_;
    return DiscardChoice{TsumogiriPosition(s, seat), riichi, open_};
  }

 private:
  bool open_;
  int afterDiscards_;
};

struct HumanTable {
  explicit HumanTable(const WallPlan& plan, const std::function<void(RuleSet&)>& tweak = {}, bool record = false)
      : fixture(1, TableOptions{1, record, ""}), human(fixture.sounds) {
    TableState& s = fixture.State();
    if (tweak) tweak(s.rules);
    s.players[1].isCpu = false;
    fixture.table.SetSeatController(1, human);
    fixture.table.SetNextWall(ArrangedWall(plan));
    fixture.table.SetFirstDealer(plan.dealer);
    fixture.table.OpenTable();
  }

  Table& table() { return fixture.table; }
  TableState& State() { return fixture.State(); }
  bool HandEnded() const { return fixture.view.handsEnded > 0; }

  // Fires whichever timer runs; false when none does.
  bool Tick() {
    if (fixture.timers.turnIntervalMs > 0) {
      fixture.table.OnTurnTimer();
    } else if (fixture.timers.responseRunning) {
      fixture.table.OnResponseTimer();
    } else {
      return false;
    }
    return true;
  }
  // Ticks until done() holds; false when the first hand ends or the table
  // stalls first.
  bool TickUntil(const std::function<bool()>& done, int limit = 400) {
    for (int n = 0; n < limit; ++n) {
      if (done()) return true;
      if (HandEnded() || !Tick()) return false;
    }
    return done();
  }
  bool PlayToHandEnd() {
    return TickUntil([&] { return HandEnded(); });
  }
  // Seat 1 has drawn and may discard.
  bool TickToSeat1Discard() {
    return TickUntil([&] { return State().turnStep == 2 && table().CanDiscard(kDrawnPosition); });
  }

  // The first hand position of seat 1 holding the tile (exact code), 0 none.
  int PositionOf(std::string_view tile) {
    const TileCode code = mj::test::Tile(tile);
    for (int pos = 1; pos <= kHandPositions; ++pos) {
      if (State().handTiles[1][static_cast<std::size_t>(pos)] == code) return pos;
    }
    return 0;
  }
  std::int64_t Score(int seat) { return State().players[static_cast<std::size_t>(seat)].score.WholePoints(); }

  TableFixture fixture;
  HumanSeat human;
};

// A plan dealt by the dealer with the four hands and the draws given
// (index 1-4 by seat; an empty text leaves them to the rest of the set).
inline WallPlan Plan(int dealer, std::array<std::string, 5> hands, std::array<std::string, 5> draws = {},
                     std::string doraIndicator = "") {
  WallPlan plan;
  plan.dealer = dealer;
  plan.breakPos = 1;
  plan.hands = std::move(hands);
  plan.draws = std::move(draws);
  plan.doraIndicator = std::move(doraIndicator);
  return plan;
}

}  // namespace mj::engine::test
