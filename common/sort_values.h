#pragma once
#include <string>
#include <vector>

namespace mj {

// Sorts texts holding numbers in place by their value (TextValue): order 1
// descending, order 0 ascending; any other order leaves everything untouched
// and returns false. The sort is the exchange sort (each position against
// every later one), so equal values keep no particular order. index receives,
// for each sorted position, the first position before sorting (0-based) whose
// text equals the sorted text.
bool SortValues(std::vector<std::string>& texts, int order, std::vector<int>& index);

}  // namespace mj
