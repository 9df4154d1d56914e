#pragma once
// What each code of a yaku list is worth: han (closed and open) and the
// experience of its line.
#include <cstdint>

#include "engine/state/table_state.h"

namespace mj::hand {

struct YakuValue {
  std::int16_t han = 0;
  std::int16_t experience = 0;
  bool inTable = false;  // codes outside the table contribute nothing
  bool yakuman = false;  // a yaku of 13 or 26 han (dora never are)
};

// The value of one code of the seat's list; 役牌 and the dora codes read the
// seat's counts, a few codes read rules 33, 44, 46 and 47.
YakuValue YakuValueOf(const TableState& state, int seat, YakuCode code);

// How many of the seat's mangan-class flags (1-9) are set.
int ManganFlagCount(const TableState& state, int seat);

// The han of the seat's list for the two-han minimum: 一発, the dora codes,
// codes marked not fixed and codes outside the table count nothing.
std::int16_t CountHan(const TableState& state, int seat);

}  // namespace mj::hand
