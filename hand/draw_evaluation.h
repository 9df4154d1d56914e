#pragma once
// A hand that ended without a winner: who is tenpai, which abortive ending it
// was, and who made nagashi mangan.
#include "engine/state/table_state.h"
#include "hand/win_evaluator.h"

namespace mj::hand {

namespace yaku {
constexpr YakuCode kFourWinds = 153;     // 四風連打
constexpr YakuCode kFourKans = 154;      // 四開槓
constexpr YakuCode kFourRiichi = 155;    // 四家リーチ
constexpr YakuCode kTripleRon = 156;     // 三家和
}  // namespace yaku

// Every seat has made exactly one discard, all the same wind, and either no
// riichi stick is out or rule 54 ends the hand even then.
bool IsFourWindsAbort(const TableState& state);

// Fills tenpaiAtDraw and the ending code in slot 0 of row 1 (198 for a riichi
// that was not tenpai; otherwise the abortive endings, a later one
// overwriting an earlier; 0 for a plain exhaustive draw). Yaku lists and the
// seats' drawn positions are as they were afterwards.
void EvaluateDraw(TableState& state, WinEvaluator& evaluator);

// Fills nagashiFlags and the 流し満貫 entries of the seats that made it.
void CheckNagashi(TableState& state);

}  // namespace mj::hand
