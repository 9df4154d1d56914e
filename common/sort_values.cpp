#include "common/sort_values.h"

#include <utility>

#include "common/text_value.h"

namespace mj {

bool SortValues(std::vector<std::string>& texts, int order, std::vector<int>& index) {
  if (order != 0 && order != 1) return false;
  const std::vector<std::string> before = texts;
  const std::size_t n = texts.size();
  for (std::size_t i = 0; i < n; ++i) {
    for (std::size_t j = i + 1; j < n; ++j) {
      const double a = TextValue(texts[i]);
      const double b = TextValue(texts[j]);
      if (order == 1 ? b > a : b < a) std::swap(texts[i], texts[j]);
    }
  }
  index.assign(n, 0);
  for (std::size_t i = 0; i < n; ++i) {
    for (std::size_t k = 0; k < n; ++k) {
      if (before[k] == texts[i]) {
        index[i] = static_cast<int>(k);
        break;
      }
    }
  }
  return true;
}

}  // namespace mj
