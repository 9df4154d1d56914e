#include "common/kanji_number.h"

namespace mj {
namespace {

constexpr const char* kDigits[] = {"", "一", "二", "三", "四", "五", "六", "七", "八", "九"};

// One four-digit group: a 1 is dropped before 千, 百 and 十 but written as units.
std::string Group(unsigned group) {
  static constexpr const char* kUnits[] = {"千", "百", "十", ""};
  static constexpr unsigned kPlaces[] = {1000, 100, 10, 1};
  std::string text;
  for (int i = 0; i < 4; ++i) {
    const unsigned digit = group / kPlaces[i] % 10;
    if (digit == 0) continue;
    if (digit != 1 || i == 3) text += kDigits[digit];
    text += kUnits[i];
  }
  return text;
}

std::string Magnitude(std::uint64_t n) {
  std::string text;
  const std::uint64_t oku = n / 100000000;
  const unsigned man = static_cast<unsigned>(n / 10000 % 10000);
  const unsigned units = static_cast<unsigned>(n % 10000);
  // Above 9999 億 the count of 億 is itself written with 万 (一万億).
  if (oku != 0) text += Magnitude(oku) + "億";
  if (man != 0) text += Group(man) + "万";
  text += Group(units);
  return text;
}

}  // namespace

std::string KanjiNumber(std::int64_t n) {
  if (n == 0) return "零";
  if (n < 0) return "マイナス" + Magnitude(static_cast<std::uint64_t>(-(n + 1)) + 1);
  return Magnitude(static_cast<std::uint64_t>(n));
}

}  // namespace mj
