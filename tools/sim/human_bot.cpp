#include "tools/sim/human_bot.h"

#include "engine/state/riichi_conditions.h"
#include "engine/tile_selection.h"
#include "hand/hand_shape.h"

namespace mj::sim {
namespace {

// One answer or discard leads to at most a few more (a call, then its discard).
constexpr int kActionsPerStep = 8;

}  // namespace

void HumanBot::TakeSeat(engine::HumanSeat& seat) {
  counts_.played = true;
  table_.State().players[1].isCpu = false;
  table_.SetSeatController(1, seat);
}

void HumanBot::Act() {
  for (int n = 0; n < kActionsPerStep && !table_.IsGameOver() && ActOnce(); ++n) {
  }
}

bool HumanBot::ActOnce() {
  engine::Table& t = table_;
  const TableState& s = t.State();
  if (t.CanPressWin()) {
    t.PressWin();
    ++counts_.wins;
  } else if (t.CanPressPon()) {
    t.PressPon();
    ++counts_.pons;
  } else if (t.CanPressChi()) {
    t.PressChi();
    for (int pos = 1; engine::SelectionOpen(s) && pos < kDrawnPosition; ++pos) {
      if (engine::SelectionOptionAt(s, pos) == 1) t.ClickHandTile(pos);
    }
    ++counts_.chis;
  } else if (t.CanPressPass()) {
    t.PressPass();
    ++counts_.passes;
  } else if (t.CanPressRiichi() && !RiichiDeclarationPending(s, 1) && ReadyDiscard() != 0) {
    // Declared, taken back and declared again: the take-back runs as often.
    t.PressRiichi();
    t.PressRiichi();
    t.PressRiichi();
    ++counts_.riichis;
  } else {
    // In riichi the turn cycle discards the drawn tile by itself.
    return !s.InRiichi(1) && Discard();
  }
  return true;
}

int HumanBot::ReadyDiscard() const {
  hand::HandShape shape = hand::HandShapeOf(table_.State(), 1);
  const HandRow& row = table_.State().handTiles[1];
  for (int pos = kDrawnPosition; pos >= 1; --pos) {
    const TileCode kind = TileKind(row[static_cast<std::size_t>(pos)]);
    if (kind == 0 || !table_.CanDiscard(pos)) continue;
    shape.RemoveTile(kind);
    const bool ready = !hand::WaitingKindsOf(shape).empty();
    shape.AddTile(kind);
    if (ready) return pos;
  }
  return 0;
}

bool HumanBot::Discard() {
  int chosen = ReadyDiscard();
  for (int pos = kDrawnPosition; chosen == 0 && pos >= 1; --pos) {
    if (table_.CanDiscard(pos)) chosen = pos;
  }
  if (chosen == 0) return false;
  table_.ClickHandTile(chosen);
  ++counts_.discards;
  return true;
}

nlohmann::ordered_json HumanBotJson(const HumanBotCounts& c) {
  return {{"wins", c.wins}, {"pons", c.pons},         {"chis", c.chis},
          {"riichis", c.riichis}, {"passes", c.passes}, {"discards", c.discards}};
}

}  // namespace mj::sim
