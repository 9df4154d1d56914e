#pragma once
#include <string_view>

namespace mj {

// The number formed by the longest leading numeric part of a text: "-12" -12,
// "4.5" 4.5, ".56" 0.56, "12abc" 12; a text without a leading number is 0.
double TextValue(std::string_view text);

}  // namespace mj
