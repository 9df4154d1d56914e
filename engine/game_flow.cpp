// Opening the table and ending the game.
#include "engine/final_result.h"
#include "engine/table.h"
#include "engine/timing.h"
#include "rules/rule_values.h"

namespace mj::engine {
namespace {

constexpr std::string_view kUserUpdateFailed = "ユーザーマスタの更新処理に失敗しました";

}  // namespace

Table::Table(TablePorts ports, TableOptions options) : ports_(ports), options_(std::move(options)) {}

void Table::OpenTable() {
  TableState& s = state_;
  s.mode.statsEnabled = StatsEnabled(s.rules);
  s.isMaster = !s.mode.isLanGame || s.mode.isLanHost;
  const int firstDealer = s.mode.isLanGame ? LocalSeatFromHost(s.mode.lanFirstDealer, s.mode.lanHostSeat)
                          : firstDealer_      ? *firstDealer_
                                              : ports_.random.RandomBetween(1, 4);
  s.dealerSeat = s.firstDealerSeat = static_cast<std::int16_t>(firstDealer);
  s.stepInterval = static_cast<std::int16_t>(TurnInterval(options_.discardSpeed, s.mode.isLanGame));
  s.handNumber = 1;
  s.honba = 0;
  s.depositSticks = 0;
  s.honbaValue = HonbaValue(s.rules);
  s.stageConditionMet = false;
  if (s.isMaster && s.mode.statsEnabled) {
    for (int seat = 1; seat <= kSeats; ++seat) {
      StatsDelta delta;
      delta.userCode = s.players[static_cast<std::size_t>(seat)].userCode;
      delta.games = 1;
      if (Stop(ports_.records.AddUserStats(delta), kUserUpdateFailed)) return;
    }
  }
  for (int seat = 1; seat <= kSeats; ++seat) {
    Player& p = s.players[static_cast<std::size_t>(seat)];
    p.score = StartingScore(s.rules);
    p.yakitori = s.rules[37] >= 1;
    p.seatWind = static_cast<std::int16_t>(s.SeatWindOf(seat));
    p.dealerStreak = 0;
  }
  if (s.mode.isLanGame && !s.mode.isLanHost) return;  // a guest waits for the host's first hand
  const Status started = StartHand();
  (void)started;  // a LAN host's failed announcement is the LAN layer's to report
}

void Table::EndGame() {
  TableState& s = state_;
  ports_.timers.SetTurnTimer(0);
  ports_.timers.SetResponseTimer(false);
  finalResult_ = ComputeFinalResult(s);
  gameOver_ = true;
  if (s.isMaster && s.mode.statsEnabled) {
    for (int seat = 1; seat <= kSeats; ++seat) {
      const auto i = static_cast<std::size_t>(seat);
      StatsDelta delta;
      delta.userCode = s.players[i].userCode;
      const int place = finalResult_.placement[i];
      delta.first = place == 1;
      delta.second = place == 2;
      delta.third = place == 3;
      delta.fourth = place == 4;
      delta.points = static_cast<std::int32_t>(finalResult_.finalPoints[i].WholePoints());
      delta.rating = RatingChange(s, finalResult_, seat);
      if (Stop(ports_.records.AddUserStats(delta), kUserUpdateFailed)) return;
    }
  }
  ports_.dialogs.ShowInfo("試合が終了しました");
  ports_.view.GameEnded();
}

}  // namespace mj::engine
