#pragma once
// Closing a hand, whatever its ending: the points move between the players,
// riichi stakes, honba, deposits and the wareme multiplier apply, liability
// pays for yakuman, and the statistics and yaku counts are raised.
#include <string_view>

#include "common/result.h"
#include "engine/state/records_port.h"
#include "engine/state/table_state.h"
#include "hand/win_evaluator.h"

namespace mj::hand {

struct SettlementReport {
  int sound = 0;  // 6 ツモ, 7 ロン, 8 チョンボ, 9 流局, 0 none
  // A failed write stops the game; message is the text to show.
  Status status;
  std::string_view message;
};

// seat is the winner, or for an ending without a winner seat 1. Scores change
// by pointDeltas; the winner's list and lines are copied to the shown row.
// The caller has already flipped a kan dora still waiting (unless the win
// robs that kan).
SettlementReport SettleHand(TableState& state, int seat, WinEvaluator& evaluator, Records& records);

// The winner's streak grows, every other seat's ends; a non-dealer winner's
// own counter goes back to 0.
void UpdateDealerStreak(TableState& state, int winner);

// The seats that must pay a yakuman of the winner by themselves (包), when the
// hand holds a yakuman that rule 25 makes liable.
PerSeat<bool> LiableSeatsFor(const TableState& state, int winner);

}  // namespace mj::hand
