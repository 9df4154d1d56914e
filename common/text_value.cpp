#include "common/text_value.h"

#include <cstdlib>
#include <string>

namespace mj {

double TextValue(std::string_view text) {
  std::size_t i = 0;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) ++i;
  const std::size_t digitsStart = i;
  bool anyDigit = false;
  while (i < text.size() && text[i] >= '0' && text[i] <= '9') { ++i; anyDigit = true; }
  if (i < text.size() && text[i] == '.') {
    ++i;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') { ++i; anyDigit = true; }
  }
  if (!anyDigit || i == digitsStart) return 0.0;
  return std::strtod(std::string(text.substr(0, i)).c_str(), nullptr);
}

}  // namespace mj
