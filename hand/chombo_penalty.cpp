#include "hand/chombo_penalty.h"

#include <cstddef>

namespace mj::hand {
namespace {

struct PenaltyRow {
  std::string_view label;
  int penalty;
};

constexpr PenaltyRow kPenalties[] = {
    {"罰則なし", 0},        {"満貫払い", 8000},     {"ハネ満貫払い", 12000}, {"倍満貫払い", 16000},
    {"３倍満貫払い", 24000}, {"役満払い", 32000},    {"4000ALL", 12000},     {"6000ALL", 18000},
    {"8000ALL", 24000},     {"12000ALL", 36000},    {"16000ALL", 48000},
};
constexpr int kPenaltyRows = static_cast<int>(sizeof(kPenalties) / sizeof(kPenalties[0]));

}  // namespace

ChomboPenalty ChomboPenaltyOf(const RuleSet& rules) {
  const int value = rules[21];
  // A rule set holds only valid values; an out-of-range one pays nothing rather than reading past the table.
  if (value < 0 || value >= kPenaltyRows) return {kPenalties[0].label, Money()};
  const PenaltyRow& row = kPenalties[static_cast<std::size_t>(value)];
  return {row.label, Money::FromPoints(row.penalty)};
}

Money ChomboHandPoints(const RuleSet& rules, bool dealer) {
  const Money penalty = ChomboPenaltyOf(rules).penalty;
  return dealer ? -(penalty * 3 / 2) : -penalty;
}

}  // namespace mj::hand
