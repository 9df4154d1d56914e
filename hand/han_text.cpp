#include "hand/han_text.h"

#include <array>
#include <cstddef>
#include <string>

#include "common/kanji_number.h"

namespace mj::hand {
namespace {

constexpr int kCachedCounts = 512;
using KanjiText = FixedText<24>;

const std::array<KanjiText, kCachedCounts>& CachedCounts() {
  static const std::array<KanjiText, kCachedCounts> table = [] {
    std::array<KanjiText, kCachedCounts> built{};
    for (int n = 0; n < kCachedCounts; ++n) built[static_cast<std::size_t>(n)] = KanjiText(KanjiNumber(n));
    return built;
  }();
  return table;
}

}  // namespace

std::string_view KanjiCount(int n) {
  if (n >= 0 && n < kCachedCounts) return CachedCounts()[static_cast<std::size_t>(n)].View();
  // Beyond any real hand; a per-thread slot keeps the view valid until the next such call.
  thread_local std::string rare;
  rare = KanjiNumber(n);
  return rare;
}

}  // namespace mj::hand
