#include "engine/table.h"

#include "engine/arrange_hand.h"
#include "engine/wall.h"
#include "rules/rule_values.h"

namespace mj::engine {

Status Table::StartHand() {
  TableState& s = state_;
  ports_.view.HandStarting();
  s.currentSeat = s.dealerSeat;
  s.turnStep = 0;
  ports_.timers.SetTurnTimer(0);
  ports_.timers.SetResponseTimer(false);

  ClearPerHandState(s);
  for (int seat = 1; seat <= kSeats; ++seat) {
    s.scoresAtHandStart[static_cast<std::size_t>(seat)] = s.players[static_cast<std::size_t>(seat)].score;
  }
  s.recordEnabled = options_.recordOutput;
  s.depositSticksAtStart = s.depositSticks;
  s.wallRemaining = 70;

  if (nextWall_) {
    s.wallTiles = nextWall_->wall;
    s.breakPos = static_cast<std::int16_t>(nextWall_->breakPos);
    s.dice1 = s.dice2 = s.diceSeat = 0;
    nextWall_.reset();
  } else {
    s.wallTiles = BuildWall(ports_.random, s.rules[38]);
    ThrowDice(s, ports_.random);
  }
  ports_.view.WallReady();
  if (s.rules[12] != 0) s.waremeSeat = static_cast<std::int16_t>(SideOwner(s.breakPos));

  DealHands(s);
  ports_.timers.SetTurnTimer(s.stepInterval);
  if (DoraInPlay(s.rules)) {
    ports_.view.DoraFlipped(FlipDoraIndicator(s));
    if (TwoIndicatorsAtStart(s.rules)) {
      const ReplacementDraw second = DrawReplacementTile(s, s.dealerSeat, true);
      if (second.flippedSlot != 0) ports_.view.DoraFlipped(second.flippedSlot);
      ports_.view.WallCountChanged();
    }
  }
  ArrangeHand(s, false);
  if (s.recordEnabled && s.isMaster) {
    for (int seat = 1; seat <= kSeats; ++seat) {
      for (int pos = 1; pos <= 13; ++pos) {
        s.startHands[static_cast<std::size_t>(seat)][static_cast<std::size_t>(pos)] =
            s.handTiles[static_cast<std::size_t>(seat)][static_cast<std::size_t>(pos)];
      }
    }
  }
  ports_.view.HandsDealt();
  Emit([&](GameEvents& e) { e.HandStarted(s); });

  if (s.mode.isLanGame && s.mode.isLanHost && ports_.lan != nullptr) {
    ++lanHandSerial_;
    Status sent = ports_.lan->SendLanMessage(FormatHandStartMessage(lanHandSerial_));
    if (sent.ok()) sent = ports_.lan->SendLanMessage(FormatWallMessage(s.wallTiles, s.breakPos));
    if (!sent.ok()) return sent;
  }
  return Status::Ok();
}

}  // namespace mj::engine
