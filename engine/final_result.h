#pragma once
// The end of a game in numbers: ヤキトリ, placements, base points, top bonus,
// uma and the shortfall the first place absorbs.
#include <string>
#include <vector>

#include "engine/state/table_state.h"

namespace mj::engine {

struct FinalResult {
  PerSeat<int> placement{};           // 1-4; equal scores share the better place
  PerSeat<Money> finalPoints{};       // in thousands of points, whole numbers
  PerSeat<int> yakitoriThousands{};   // the ヤキトリ amount inside finalPoints
  std::vector<std::string> rankedNames;  // names in placement order
};

// Rule 37 (ヤキトリ): what each seat pays or gets, in thousands.
PerSeat<int> YakitoriAmounts(const TableState& state);
// A score's whole thousands as the final points count them, before -30.
std::int64_t BaseThousands(Money score);
FinalResult ComputeFinalResult(const TableState& state);

}  // namespace mj::engine
