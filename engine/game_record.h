#pragma once
// The plain-text game record (牌譜): the lines of each block, as they are
// appended to the record file (in CP932 with CR LF, by RecordFile).
#include <string>
#include <vector>

#include "common/clock.h"
#include "engine/final_result.h"
#include "engine/state/table_state.h"

namespace mj::engine {

using RecordLines = std::vector<std::string>;

// "東1局" … "北4局" by handNumber.
std::string HandName(int handNumber);

// When the table opens, after the first deal.
RecordLines FormatRecordHeader(const TableState& state, const LocalDateTime& now);
// After a settlement of seat w (the winner, the offender, or seat 1 for a
// draw). Reads scoresAtHandStart; the caller renews it afterwards.
RecordLines FormatSettlementRecord(const TableState& state, int w);
// At the start of EndHand: the dealt hands, the dora line and the actions.
RecordLines FormatHandRecord(const TableState& state);
// At the end of the game.
RecordLines FormatResultRecord(const TableState& state, const FinalResult& result, const LocalDateTime& now);

}  // namespace mj::engine
