// Opening the table and ending the game.
#include "engine/final_result.h"
#include "engine/game_record.h"
#include "engine/state/rating.h"
#include "engine/state/record_events.h"
#include "engine/table.h"
#include "engine/timing.h"
#include "rules/rule_values.h"

namespace mj::engine {
namespace {


float RatingChangeOf(const TableState& s, int seat) {
  std::array<Money, 5> scores{};
  float others = 0.0f;
  for (int k = 1; k <= kSeats; ++k) {
    scores[static_cast<std::size_t>(k)] = s.players[static_cast<std::size_t>(k)].score;
    if (k != seat) others += s.players[static_cast<std::size_t>(k)].rating;
  }
  const Player& p = s.players[static_cast<std::size_t>(seat)];
  return RatingChange(PlaceAmong(scores, seat), others, p.rating, p.gamesPlayed, p.isCpu);
}

}  // namespace

Table::Table(TablePorts ports, TableOptions options) : ports_(ports), options_(std::move(options)) {}

void Table::OpenTable() {
  TableState& s = state_;
  opened_ = true;
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
  recordFile_ = RecordFile(options_.recordPath);
  recordFile_.Test(ports_.dialogs, true);
  s.recordPath = recordFile_.Path();
  keepTenhouLog_ = s.isMaster && recordFile_.IsOpen() && options_.recordOutput;
  s.honbaValue = HonbaValue(s.rules);
  s.mode.stageConditionMet = false;
  if (s.isMaster && s.mode.statsEnabled) {
    for (int seat = 1; seat <= kSeats; ++seat) {
      const StatsDelta delta = TableOpenedDelta(s.players[static_cast<std::size_t>(seat)]);
      if (Stop(ports_.records.AddUserStats(delta), kUserUpdateFailedText)) return;
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
  if (s.isMaster) recordFile_.Append(FormatRecordHeader(s, ports_.clock.Now()), ports_.dialogs);
}

void Table::ChangeOptions(TableOptions options) {
  options_ = std::move(options);
  if (!state_.mode.isLanGame) state_.stepInterval = static_cast<std::int16_t>(TurnInterval(options_.discardSpeed, false));
  recordFile_ = RecordFile(options_.recordPath);
  recordFile_.Test(ports_.dialogs, false);
  state_.recordPath = recordFile_.Path();
}

bool Table::RequestClose() {
  TableState& s = state_;
  if (gameOver_ || stopped_ || !opened_) return true;
  if (!ports_.dialogs.AskYesNo("本当に終了してもよろしいですか？")) return false;
  ports_.timers.SetTurnTimer(0);
  ports_.timers.SetResponseTimer(false);
  responseOpen_ = false;
  // The penalty is written on any client: it is the local player's own.
  if (s.mode.statsEnabled) Stop(ports_.records.AddUserStats(QuitDelta(s.players[1])), kUserUpdateFailedText);
  gameOver_ = true;
  return true;
}

void Table::EndGame() {
  TableState& s = state_;
  ports_.timers.SetTurnTimer(0);
  ports_.timers.SetResponseTimer(false);
  finalResult_ = ComputeFinalResult(s);
  gameOver_ = true;
  Emit([&](GameEvents& e) { e.GameEnded(s, finalResult_); });
  if (s.isMaster) {
    recordFile_.Append(FormatResultRecord(s, finalResult_, ports_.clock.Now()), ports_.dialogs);
    WriteTenhouLog();
  }
  if (s.isMaster && s.mode.statsEnabled) {
    for (int seat = 1; seat <= kSeats; ++seat) {
      const auto i = static_cast<std::size_t>(seat);
      const StatsDelta delta = GameEndedDelta(s.players[i], finalResult_.placement[i], finalResult_.finalPoints[i],
                                              RatingChangeOf(s, seat));
      if (Stop(ports_.records.AddUserStats(delta), kUserUpdateFailedText)) return;
    }
  }
  ports_.dialogs.ShowInfo("試合が終了しました");
  ports_.view.GameEnded();
}

void Table::WriteTenhouLog() {
  if (!keepTenhouLog_ || !recordFile_.IsOpen()) return;
  std::string path = recordFile_.Path();
  const std::size_t dot = path.find_last_of('.');
  const std::size_t slash = path.find_last_of('/');
  if (dot != std::string::npos && (slash == std::string::npos || dot > slash)) path.erase(dot);
  RecordFile json(path + ".json", RecordFile::Encoding::Utf8Lf);
  json.Append({tenhouLog_.Build(state_, FormatRecordDate(ports_.clock.Now())).dump()}, ports_.dialogs);
}

}  // namespace mj::engine
