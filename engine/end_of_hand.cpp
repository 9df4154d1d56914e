// Settling a hand and moving on: the dealer stays or passes, honba and the
// game-over test, then the next hand.
#include <algorithm>

#include "engine/game_over.h"
#include "engine/game_record.h"
#include "engine/state/record_events.h"
#include "engine/sound_effects.h"
#include "engine/table.h"
#include "engine/wall.h"
#include "hand/settlement.h"
#include "hand/yaku_codes.h"
#include "hand/yaku_tables.h"
#include "rules/rule_values.h"

namespace mj::engine {
namespace {

constexpr int kLastLevel = 40;

YakuCode FirstCode(const TableState& s, int seat) { return s.yakuList[static_cast<std::size_t>(seat)][0]; }

bool AnySeatHas(const TableState& s, std::initializer_list<YakuCode> codes) {
  for (int seat = 1; seat <= kSeats; ++seat) {
    for (YakuCode code : codes) {
      if (FirstCode(s, seat) == code) return true;
    }
  }
  return false;
}

}  // namespace

bool Table::Stop(const Status& status, std::string_view message) {
  if (status.ok()) return false;
  ports_.timers.SetTurnTimer(0);
  ports_.timers.SetResponseTimer(false);
  responseOpen_ = false;
  ports_.dialogs.ShowError(message);
  gameOver_ = stopped_ = true;
  return true;
}

void Table::EndOfHandEntry() {
  SettleAndReport(1);
  if (!gameOver_) EndHand(1, false);
}

void Table::SettleAndReport(int seat) {
  TableState& s = state_;
  ports_.timers.SetTurnTimer(0);
  // A kan dora still waiting is shown before the hand is counted, unless
  // the win robs that very kan.
  const YakuRow& list = s.yakuList[static_cast<std::size_t>(seat)];
  const bool robsKan = std::find(list.begin(), list.end(), hand::yaku::kChankan) != list.end() ||
                       std::find(list.begin(), list.end(), YakuCode{117}) != list.end();
  if (s.pendingKanDora != 0 && !robsKan) {
    s.pendingKanDora = 0;
    if (KanDoraInPlay(s.rules)) ports_.view.DoraFlipped(FlipDoraIndicator(s));
  }
  const hand::SettlementReport report = hand::SettleHand(s, seat, ports_.evaluator, ports_.records);
  if (Stop(report.status, report.message)) return;
  Emit([&](GameEvents& e) { e.Settled(s, seat); });
  if (s.isMaster && recordFile_.IsOpen()) {
    recordFile_.Append(FormatSettlementRecord(s, seat), ports_.dialogs);
    for (int k = 1; k <= kSeats; ++k) s.scoresAtHandStart[static_cast<std::size_t>(k)] = s.players[static_cast<std::size_t>(k)].score;
  }
  if (report.sound != 0) ports_.sounds.Play(report.sound);
  ports_.view.HandSettled(seat);

  // Experience and the local yaku each new level brings.
  const int gain = s.shownExperience;
  if (s.mode.isLanGame || seat != 1 || s.players[1].isCpu || gain <= 0) return;
  if (s.isMaster && Stop(ports_.records.AddUserStats(ExperienceDelta(s.players[1], gain)), kUserUpdateFailedText)) return;
  Player& human = s.players[1];
  int level = human.experience / 100;
  human.experience += gain;
  while (level < human.experience / 100 && level < kLastLevel) {
    ++level;
    ports_.sounds.Play(kSoundLevelUp);
    ports_.dialogs.ShowInfo("ローカル役「" + std::string(hand::YakuName(100 + level)) + "」を入手しました");
  }
}

void Table::RotateDealer() {
  TableState& s = state_;
  ++s.handNumber;
  s.dealerSeat = static_cast<std::int16_t>(NextSeat(s.dealerSeat));
  for (int seat = 1; seat <= kSeats; ++seat) {
    std::int16_t& wind = s.players[static_cast<std::size_t>(seat)].seatWind;
    wind = static_cast<std::int16_t>(wind == 1 ? 4 : wind - 1);
  }
}

void Table::EndHand(int winner, bool isWin) {
  TableState& s = state_;
  const HandEnd entry{s.handNumber, s.dealerSeat, winner, isWin};
  HandEnd end = entry;
  if (s.isMaster && s.recordEnabled) recordFile_.Append(FormatHandRecord(s), ports_.dialogs);
  Emit([&](GameEvents& e) { e.HandEnded(s); });
  ports_.view.HandEnding();
  if (s.isMaster && s.mode.statsEnabled) {
    for (int seat = 1; seat <= kSeats; ++seat) {
      const StatsDelta delta = HandEndedDelta(s.players[static_cast<std::size_t>(seat)]);
      if (Stop(ports_.records.AddUserStats(delta), kUserUpdateFailedText)) return;
    }
  }
  auto resetStreaks = [&] {
    for (int seat = 1; seat <= kSeats; ++seat) s.players[static_cast<std::size_t>(seat)].dealerStreak = 0;
  };
  const YakuCode first = FirstCode(s, 1);
  // Seat 1's own nagashi replaces its 流局 entry; the draw is still a draw.
  const bool nagashi = AnySeatHas(s, {hand::yaku::kNagashi});
  if (first == hand::yaku::kExhaustiveDraw || nagashi) {
    const bool dealerTenpai = s.tenpaiAtDraw[static_cast<std::size_t>(s.dealerSeat)] == 1;
    const bool stays = dealerTenpai || s.rules[7] == 1 || (s.rules[7] == 2 && entry.handAtEntry >= 5);
    if (!stays) RotateDealer();
    ++s.honba;
    resetStreaks();
  }
  if (nagashi) {
    ++s.honba;
    resetStreaks();
  }
  if (AnySeatHas(s, {hand::yaku::kNotenRiichiChombo, hand::yaku::kChombo})) {
    ++s.honba;
    for (int seat = 1; seat <= kSeats; ++seat) {
      const YakuCode code = FirstCode(s, seat);
      if (code == hand::yaku::kNotenRiichiChombo || code == hand::yaku::kChombo) {
        s.players[static_cast<std::size_t>(seat)].dealerStreak = 0;
      }
    }
    end.isWin = false;
  }
  if (first >= hand::yaku::kNineTerminals && first <= 156) {
    const int rule24 = s.rules[24];
    const bool stays = rule24 == 1 || (rule24 == 2 && entry.handAtEntry <= 4) || (rule24 == 3 && entry.handAtEntry >= 5);
    if (!stays) RotateDealer();
    end.isWin = false;
    ++s.honba;
    resetStreaks();
  }
  if (end.isWin) {
    if (winner == s.dealerSeat) {
      ++s.honba;
    } else {
      s.honba = 0;
      RotateDealer();
    }
  }
  const bool over = GameIsOver(s, end, ports_.dialogs);
  if (!over && HasExtension(s.rules) && !extensionAnnounced_ && s.handNumber > LastRegularHand(s.rules)) {
    extensionAnnounced_ = true;
    ports_.view.ExtensionEntered();  // the title gains ☆サドンデス☆
  }
  if (over) {
    s.handNumber = 99;
    EndGame();
    return;
  }
  if (!s.mode.isLanGame) {
    const Status started = StartHand();
    (void)started;  // only a LAN host's announcement can fail
  }
}

}  // namespace mj::engine
