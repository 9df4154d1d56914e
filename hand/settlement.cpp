#include "hand/settlement.h"

#include <algorithm>
#include <array>

#include "engine/state/record_events.h"
#include "hand/chombo_penalty.h"
#include "hand/draw_evaluation.h"
#include "hand/scoring.h"
#include "hand/win_payments.h"
#include "hand/yaku_codes.h"
#include "hand/yaku_tables.h"

namespace mj::hand {
namespace {


constexpr std::array<YakuCode, 6> kLiableYakuman = {yaku::kDaisangen, yaku::kSuukantsu, yaku::kTsuuiisou,
                                                    yaku::kChinroutou, yaku::kRyuuiisou, yaku::kDaisuushii};
constexpr std::array<YakuCode, 11> kLiableLocalYakuman = {124, 125, 127, 131, 132, 133, 134, 135, 136, 138, 139};
constexpr YakuCode kLiableLocalYakumanLast = 140;

bool ListHolds(const YakuRow& list, YakuCode code) {
  for (YakuCode c : list) {
    if (c == 0) return false;
    if (c == code) return true;
  }
  return false;
}

Money Points(std::int64_t points) { return Money::FromPoints(points); }

class Settler {
 public:
  Settler(TableState& state, WinEvaluator& evaluator, Records& records)
      : s_(state), evaluator_(evaluator), records_(records) {}

  SettlementReport Settle(int seat);

 private:
  bool Failed() const { return !report_.status.ok(); }
  Player& PlayerAt(int seat) { return s_.players[static_cast<std::size_t>(seat)]; }
  Money& Delta(int seat) { return s_.pointDeltas[static_cast<std::size_t>(seat)]; }
  int WaremeFactor() const { return 2 * s_.rules[12]; }
  bool IsWareme(int seat) const { return s_.rules[12] != 0 && seat == s_.waremeSeat; }

  void RecordYakuWins(int seat, YakuCode code, int count);
  void AddStats(StatsDelta delta);
  void ReturnPendingStakes();
  void SettleWithoutWin(int seat);
  void SettleNagashi();
  void SettleNoten();
  void SettleChombo(int offender);
  void SettleWin(int winner);
  void PayTsumo(int winner, Money hand, Money honba, const PerSeat<bool>& liable);
  void PayRon(int winner, int discarder, Money hand, Money honba, const PerSeat<bool>& liable);
  void CheckStageCondition(int winner);

  TableState& s_;
  WinEvaluator& evaluator_;
  Records& records_;
  SettlementReport report_;
  int experience_ = 0;
};

void Settler::RecordYakuWins(int seat, YakuCode code, int count) {
  if (Failed() || !s_.isMaster) return;
  const Status status = records_.AddYakuWins(PlayerAt(seat).userCode, code, YakuName(code), count);
  if (!status.ok()) {
    report_.status = status;
    report_.message = kYakuUpdateFailedText;
  }
}

void Settler::AddStats(StatsDelta delta) {
  if (Failed() || !s_.isMaster || !s_.mode.statsEnabled) return;
  const Status status = records_.AddUserStats(delta);
  if (!status.ok()) {
    report_.status = status;
    report_.message = kUserUpdateFailedText;
  }
}

void Settler::ReturnPendingStakes() {
  for (int seat = 1; seat <= kSeats; ++seat) {
    const auto i = static_cast<std::size_t>(seat);
    if (!s_.riichiStakePending[i]) continue;
    // The riichi was declared on the discard just won on: it is void.
    PlayerAt(seat).score += Points(1000);
    --s_.depositSticks;
    s_.riichiStakePending[i] = false;
  }
}

SettlementReport Settler::Settle(int seat) {
  s_.pointDeltas = {};
  s_.resultWinMethod = 0;
  ReturnPendingStakes();
  const ChomboPenalty chombo = ChomboPenaltyOf(s_.rules);
  s_.chomboPenalty = chombo.penalty;
  const YakuCode first = s_.yakuList[static_cast<std::size_t>(seat)][0];
  if (s_.wallRemaining == -1) {
    SettleWithoutWin(seat);
  } else if (first == yaku::kChombo) {
    SettleChombo(seat);
  } else {
    SettleWin(seat);
  }
  for (int k = 1; k <= kSeats; ++k) PlayerAt(k).score += Delta(k);
  s_.shownFu = s_.handFu[static_cast<std::size_t>(seat)];

  int gain = experience_;
  if (s_.rules[52] == 0) gain *= 2;
  if (s_.rules[21] == 0 || s_.mode.isLanGame || seat != 1 || PlayerAt(1).isCpu || !s_.mode.statsEnabled) gain = 0;
  s_.shownExperience = static_cast<std::int16_t>(gain);

  s_.yakuList[kResultRow] = s_.yakuList[static_cast<std::size_t>(seat)];
  s_.yakuLines[kResultRow] = s_.yakuLines[static_cast<std::size_t>(seat)];
  return report_;
}

void Settler::SettleWithoutWin(int seat) {
  s_.handExperience = 0;
  EvaluateDraw(s_, evaluator_);
  YakuRow& list = s_.yakuList[static_cast<std::size_t>(seat)];
  const YakuCode code = s_.yakuList[1][0];
  if (code >= yaku::kNineTerminals && code <= yaku::kTripleRon) {
    list = {};
    list[0] = code;
    s_.handEndingName[static_cast<std::size_t>(seat)] = YakuName(code);
    return;
  }
  if (code == yaku::kNotenRiichiChombo) {
    for (int k = 1; k <= kSeats; ++k) {
      if (s_.tenpaiAtDraw[static_cast<std::size_t>(k)] == 2) SettleChombo(k);
    }
    return;
  }
  list = {};
  list[0] = yaku::kExhaustiveDraw;
  s_.handEndingName[static_cast<std::size_t>(seat)] = " ";
  if (s_.rules[43] != 0) CheckNagashi(s_);
  bool anyNagashi = false;
  for (int k = 1; k <= kSeats; ++k) anyNagashi = anyNagashi || s_.nagashiFlags[static_cast<std::size_t>(k)];
  if (anyNagashi) {
    SettleNagashi();
  } else {
    SettleNoten();
  }
}

void Settler::SettleNagashi() {
  const Money p = Points(s_.rules[43] == 2 ? -16000 : -4000);
  for (int seat = 1; seat <= kSeats; ++seat) {
    if (!s_.nagashiFlags[static_cast<std::size_t>(seat)]) continue;
    if (seat == 1) experience_ += 64;
    RecordYakuWins(seat, yaku::kNagashi, 1);
    Money received;
    for (int payer = 1; payer <= kSeats; ++payer) {
      if (payer == seat) continue;
      Money pays = seat == s_.dealerSeat || payer == s_.dealerSeat ? p : p / 2;
      if (IsWareme(seat) || IsWareme(payer)) pays *= WaremeFactor();
      Delta(payer) += pays;
      received -= pays;
    }
    Delta(seat) += received;
  }
  s_.limitLabel = LimitLabel(s_.rules[43] == 2 ? "役満" : "満貫");
}

void Settler::SettleNoten() {
  report_.sound = 9;
  if (s_.rules[5] <= 0) return;
  const Money total = Points(3000 * s_.rules[5]);
  int tenpai = 0;
  for (int k = 1; k <= kSeats; ++k) tenpai += s_.tenpaiAtDraw[static_cast<std::size_t>(k)] == 1;
  if (tenpai == 0 || tenpai == kSeats) return;
  const Money gets = total / tenpai;
  const Money pays = total / (kSeats - tenpai);
  for (int k = 1; k <= kSeats; ++k) Delta(k) += s_.tenpaiAtDraw[static_cast<std::size_t>(k)] == 1 ? gets : -pays;
}

void Settler::SettleChombo(int offender) {
  report_.sound = 8;
  const Money z = s_.chomboPenalty;
  const bool dealer = offender == s_.dealerSeat;
  Money paid;
  for (int k = 1; k <= kSeats; ++k) {
    if (k == offender) continue;
    Money receipt;
    if (s_.rules[21] >= 6) {
      receipt = z / 3;
    } else if (dealer) {
      receipt = z * 3 / 2 / 3;
    } else {
      receipt = k == s_.dealerSeat ? z / 2 : z / 4;
    }
    if (IsWareme(offender) || IsWareme(k)) receipt *= WaremeFactor();
    Delta(k) += receipt;
    paid += receipt;
  }
  Delta(offender) -= paid;
  s_.limitLabel = LimitLabel(ChomboPenaltyOf(s_.rules).label);
  s_.handPoints = ChomboHandPoints(s_.rules, dealer);
}

void Settler::SettleWin(int winner) {
  const auto w = static_cast<std::size_t>(winner);
  ScoreHand(s_, winner);
  experience_ = s_.handExperience;
  const YakuRow& list = s_.yakuList[w];
  for (YakuCode code : list) {
    if (code == 0) break;
    int count = 1;
    if (code == yaku::kYakuhai) count = s_.yakuhaiCount[w];
    if (code == yaku::kDora) count = s_.doraCount[w];
    if (code == yaku::kUraDora) count = s_.uraCount[w];
    if (code == yaku::kRedDora) count = s_.redCount[w];
    RecordYakuWins(winner, code, count);
  }
  UpdateDealerStreak(s_, winner);

  const Money honba = s_.honbaValue * s_.honba;
  const PerSeat<bool> liable = LiableSeatsFor(s_, winner);
  const bool tsumo = s_.turnStep % 2 == 1;
  if (tsumo) {
    report_.sound = 6;
    s_.resultWinMethod = 1;
    PayTsumo(winner, s_.handPoints, honba, liable);
  } else {
    report_.sound = 7;
    s_.resultWinMethod = 2;
    PayRon(winner, s_.currentSeat, s_.handPoints, honba, liable);
  }
  const Money deposits = s_.collectsDeposits ? Points(1000 * s_.depositSticks) : Money();
  Delta(winner) += deposits;

  if (!tsumo) AddStats(DealInDelta(PlayerAt(s_.currentSeat)));
  AddStats(WinDelta(PlayerAt(winner)));
  PlayerAt(winner).yakitori = false;
  if (s_.collectsDeposits) s_.depositSticks = 0;
  CheckStageCondition(winner);
}

void Settler::PayTsumo(int winner, Money hand, Money honba, const PerSeat<bool>& liable) {
  const int factor = s_.rules[12] != 0 ? WaremeFactor() : 1;
  bool anyLiable = false;
  for (int k = 1; k <= kSeats; ++k) anyLiable = anyLiable || (k != winner && liable[static_cast<std::size_t>(k)]);
  Money received;
  for (int payer = 1; payer <= kSeats; ++payer) {
    if (payer == winner) continue;
    const bool wareme = IsWareme(winner) || IsWareme(payer);
    Money pays;
    if (anyLiable) {
      if (!liable[static_cast<std::size_t>(payer)]) continue;
      pays = (wareme ? hand * factor : hand) + honba;
    } else {
      Money share = TsumoShare(hand, winner == s_.dealerSeat, payer == s_.dealerSeat);
      if (wareme) share *= factor;
      pays = share + honba / 3;
    }
    Delta(payer) -= pays;
    received += pays;
  }
  Delta(winner) += received;
}

void Settler::PayRon(int winner, int discarder, Money hand, Money honba, const PerSeat<bool>& liable) {
  const int factor = s_.rules[12] != 0 ? WaremeFactor() : 1;
  auto wareme = [&](int seat, Money amount) { return IsWareme(winner) || IsWareme(seat) ? amount * factor : amount; };
  bool othersLiable = false;
  for (int k = 1; k <= kSeats; ++k) {
    othersLiable = othersLiable || (k != winner && k != discarder && liable[static_cast<std::size_t>(k)]);
  }
  Money received;
  if (othersLiable) {
    const Money half = (hand / 2).RoundUpTo100();
    const Money fromDiscarder = wareme(discarder, half) + honba;
    Delta(discarder) -= fromDiscarder;
    received += fromDiscarder;
    for (int k = 1; k <= kSeats; ++k) {
      if (k == winner || k == discarder || !liable[static_cast<std::size_t>(k)]) continue;
      const Money pays = wareme(k, half);
      Delta(k) -= pays;
      received += pays;
    }
  } else {
    const Money pays = wareme(discarder, hand) + honba;
    Delta(discarder) -= pays;
    received += pays;
  }
  Delta(winner) += received;
}

void Settler::CheckStageCondition(int winner) {
  if (s_.mode.stageNumber == 0 || winner != 1 || PlayerAt(1).isCpu || s_.mode.stageConditionMet) return;
  const YakuRow& list = s_.yakuList[1];
  auto has = [&](YakuCode code) { return ListHolds(list, code); };
  bool met = false;
  switch (s_.mode.stageNumber) {
    case 2: met = has(yaku::kTanyao); break;
    case 3: met = has(yaku::kPinfu); break;
    case 4: met = has(yaku::kSanshoku); break;
    case 5: met = has(yaku::kRiichi) && has(yaku::kTanyao) && has(yaku::kPinfu) && has(yaku::kSanshoku); break;
    case 6: met = has(yaku::kHonitsu) && has(yaku::kChiitoitsu); break;
    case 9: met = has(yaku::kChinitsu); break;
    case 10: met = has(yaku::kRinshan); break;
    case 11: met = has(yaku::kHonroutou); break;
    case 12: met = s_.limitLabel == "３倍満貫"; break;
    case 13: met = s_.doraCount[1] + s_.uraCount[1] >= 8; break;
    case 14: met = s_.limitLabel == "役満"; break;
    case 15: met = s_.limitLabel == "ダブル役満"; break;
    default: break;
  }
  if (met) s_.mode.stageConditionMet = true;
}

}  // namespace

SettlementReport SettleHand(TableState& state, int seat, WinEvaluator& evaluator, Records& records) {
  return Settler(state, evaluator, records).Settle(seat);
}

void UpdateDealerStreak(TableState& state, int winner) {
  for (int seat = 1; seat <= kSeats; ++seat) {
    std::int16_t& streak = state.players[static_cast<std::size_t>(seat)].dealerStreak;
    streak = seat == winner ? static_cast<std::int16_t>(streak + 1) : 0;
  }
  if (winner != state.dealerSeat) state.players[static_cast<std::size_t>(winner)].dealerStreak = 0;
}

PerSeat<bool> LiableSeatsFor(const TableState& state, int winner) {
  PerSeat<bool> liable{};
  if (state.rules[25] == 0) return liable;
  const YakuRow& list = state.yakuList[static_cast<std::size_t>(winner)];
  bool liableYakuman = std::any_of(kLiableYakuman.begin(), kLiableYakuman.end(),
                                   [&](YakuCode code) { return ListHolds(list, code); });
  if (state.rules[25] == 2) {
    liableYakuman = liableYakuman || ListHolds(list, kLiableLocalYakumanLast) ||
                    std::any_of(kLiableLocalYakuman.begin(), kLiableLocalYakuman.end(),
                                [&](YakuCode code) { return ListHolds(list, code); });
  }
  if (!liableYakuman) return liable;
  for (int seat = 1; seat <= kSeats; ++seat) {
    liable[static_cast<std::size_t>(seat)] = seat != winner && state.liableSeats[static_cast<std::size_t>(winner)][static_cast<std::size_t>(seat)];
  }
  return liable;
}

}  // namespace mj::hand
