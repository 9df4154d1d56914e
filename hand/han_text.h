#pragma once
// "三飜", "二十六飜": a han count as the yaku lines and limit labels write it.
#include <string_view>

#include "engine/state/fixed_text.h"

namespace mj::hand {

// The kanji numeral of n; counts up to a few hundred come from a table built
// once, so writing a line does not allocate.
std::string_view KanjiCount(int n);

template <std::size_t N>
void AppendHanText(FixedText<N>& text, int han) {
  text.Append(KanjiCount(han)).Append("飜");
}

}  // namespace mj::hand
