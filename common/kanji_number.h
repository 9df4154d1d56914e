#pragma once
#include <cstdint>
#include <string>

namespace mj {

// n in kanji numerals: 0 "零", 26 "二十六", 10200 "一万二百", -3 "マイナス三".
std::string KanjiNumber(std::int64_t n);

}  // namespace mj
