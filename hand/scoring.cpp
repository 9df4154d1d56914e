#include "hand/scoring.h"

#include <cstddef>

#include "hand/chombo_penalty.h"
#include "hand/han_text.h"
#include "hand/limit_points.h"
#include "hand/yaku_codes.h"
#include "hand/yaku_tables.h"
#include "hand/yaku_values.h"

namespace mj::hand {
namespace {

bool IsRiichiCode(YakuCode code) {
  return code == yaku::kRiichi || code == yaku::kDoubleRiichi || code == yaku::kOpenRiichi ||
         code == yaku::kOpenRiichiRon;
}

bool IsChomboCode(YakuCode code) { return code == yaku::kChombo || code == yaku::kNotenRiichiChombo; }

Money ManganClassValue(const TableState& state, std::size_t s, int flags, bool dealer) {
  const int han = yaku::kManganFlagHan * flags;
  if (state.rules[34] == 1) return UnlimitedPoints(han, state.handFu[s], dealer);
  if (han < 8) return Money::FromPoints(dealer ? 12000 : 8000);
  if (han < 13) return Money::FromPoints(dealer ? 24000 : 16000);
  return Money::FromPoints(dealer ? 48000 : 32000);
}

// Han, experience and one line per code of the seat's list.
void WalkList(TableState& state, std::size_t s) {
  const int seat = static_cast<int>(s);
  int han = 0;
  int experience = 0;
  state.isYakumanHand = false;
  YakuLineRow& lines = state.yakuLines[s];
  for (YakuLine& line : lines) line.Clear();
  const YakuRow& row = state.yakuList[s];
  for (std::size_t slot = 0; slot < row.size() && row[slot] != 0; ++slot) {
    const YakuCode code = row[slot];
    if (IsChomboCode(code)) {
      lines[0] = YakuLine(YakuName(code));
      han = 0;
      break;
    }
    const YakuValue value = YakuValueOf(state, seat, code);
    if (!value.inTable) continue;
    han += value.han;
    experience += value.experience;
    state.isYakumanHand = state.isYakumanHand || value.yakuman;
    if (IsRiichiCode(code)) state.collectsDeposits = true;
    YakuLine& line = lines[slot];
    line.Append(YakuName(code)).Append(" ");
    AppendHanText(line, value.han);
  }
  state.handHan = static_cast<std::int16_t>(han);
  state.handExperience = static_cast<std::int16_t>(experience);
}

// limitLabel and handPoints from handHan and handFu.
void FixPoints(TableState& state, std::size_t s, bool dealer) {
  const int han = state.handHan;
  if (han <= 0) {
    state.limitLabel = LimitLabel(ChomboPenaltyOf(state.rules).label);
    state.handPoints = ChomboHandPoints(state.rules, dealer);
    return;
  }
  if (state.rules[34] == 1) {
    state.limitLabel = HanLabel(han);
    state.handPoints = UnlimitedPoints(han, state.handFu[s], dealer);
    return;
  }
  HandValue value = LimitedHandValue(han, state.handFu[s], dealer, state.isYakumanHand, state.rules);
  state.limitLabel = value.label;
  state.handPoints = value.points;
}

void ReplaceByManganFlags(TableState& state, std::size_t s) {
  YakuRow& row = state.yakuList[s];
  row.fill(0);
  std::size_t slot = 0;
  for (int k = 1; k <= yaku::kManganFlagCount; ++k) {
    if (state.manganYakuFlags[s][static_cast<std::size_t>(k)]) row[slot++] = yaku::ManganFlagCode(k);
  }
}

}  // namespace

void ScoreHand(TableState& state, int seat) {
  const std::size_t s = static_cast<std::size_t>(seat);
  const bool dealer = state.dealerSeat == seat;
  const bool chombo = state.yakuList[s][0] == yaku::kChombo;
  const int flags = chombo ? 0 : ManganFlagCount(state, seat);
  state.manganClassPoints = flags > 0 ? ManganClassValue(state, s, flags, dealer) : Money();

  state.collectsDeposits = state.rules[10] == 1;
  WalkList(state, s);
  FixPoints(state, s, dealer);
  if (flags > 0 && state.manganClassPoints >= state.handPoints) {
    // A riichi in the replaced list still takes the sticks: collectsDeposits is kept.
    ReplaceByManganFlags(state, s);
    WalkList(state, s);
    FixPoints(state, s, dealer);
  }
}

}  // namespace mj::hand
