#include "hand/yaku_values.h"

#include <array>
#include <cstddef>

#include "hand/yaku_codes.h"

namespace mj::hand {
namespace {

// How a code's han is found when it is not a plain number.
enum class Special : std::uint8_t { None, Yakuhai, SevenPairs, Renhou, SuuankouTanki, Daisuushii, Dora, Ura, Red };

constexpr std::int8_t kClosedOnly = -1;  // never awarded to an open hand

struct ValueRow {
  int code;
  std::int8_t hanClosed;
  std::int8_t hanOpen;
  std::int16_t experience;
  Special special = Special::None;
};

constexpr ValueRow kRows[] = {
    {1, 1, kClosedOnly, 1},    {2, 1, kClosedOnly, 1},   {3, 1, kClosedOnly, 2},   {4, 1, kClosedOnly, 1},
    {5, 1, 1, 1},              {6, 0, 0, 0, Special::Yakuhai},                     {7, 1, kClosedOnly, 2},
    {8, 1, 1, 2},              {9, 1, 1, 2},             {10, 1, 1, 8},            {11, 1, 1, 32},
    {12, 2, kClosedOnly, 32},  {13, 2, 2, 2},            {14, 2, 1, 2},            {15, 2, 1, 2},
    {16, 0, kClosedOnly, 2, Special::SevenPairs},        {17, 2, 1, 2},            {18, 2, 2, 2},
    {19, 2, 2, 8},             {20, 2, 2, 8},            {21, 2, 2, 8},            {22, 2, 2, 32},
    {23, 3, 2, 2},             {24, 3, kClosedOnly, 8},  {25, 3, 2, 2},
    {27, 0, kClosedOnly, 128, Special::Renhou},          {28, 6, 5, 2},
    {29, 13, 13, 32},          {30, 13, 13, 32},         {31, 13, 13, 32},         {34, 13, 13, 32},
    {32, 13, 13, 128},         {35, 13, 13, 128},        {36, 13, 13, 128},        {37, 13, 13, 128},
    {38, 13, 13, 128},         {33, 13, 13, 512},        {39, 13, 13, 512},        {40, 13, 13, 512},
    {41, 13, 13, 512},         {42, 0, kClosedOnly, 128, Special::SuuankouTanki},
    {43, 0, 0, 128, Special::Daisuushii},                {44, 26, kClosedOnly, 128},
    {45, 26, kClosedOnly, 512},
    {50, 0, 0, 0, Special::Dora},                        {51, 0, kClosedOnly, 0, Special::Ura},
    {52, 0, 0, 0, Special::Red},
    {101, 1, 1, 4},            {103, 1, 1, 4},           {102, 1, 1, 16},
    {104, 3, kClosedOnly, 16}, {105, 3, kClosedOnly, 16}, {106, 3, kClosedOnly, 16}, {107, 3, kClosedOnly, 16},
    {108, 2, 2, 16},           {109, 2, 2, 16},          {112, 2, 2, 16},          {110, 2, 1, 16},
    {111, 2, kClosedOnly, 4},  {113, 2, 2, 64},          {114, 2, 2, 64},          {115, 3, 3, 64},
    {116, 5, 5, 64},           {117, 5, 5, 64},          {118, 5, 5, 64},          {119, 5, 5, 64},
    {120, 5, 5, 64},           {121, 5, 5, 64},          {122, 5, 5, 64},          {123, 5, 5, 64},
    {124, 13, 13, 256},        {125, 13, 13, 256},       {126, 13, 13, 256},       {127, 13, 13, 256},
    {128, 13, 13, 256},        {129, 13, 13, 256},       {130, 13, 13, 256},       {131, 13, 13, 256},
    {132, 13, 13, 256},        {133, 13, 13, 256},       {134, 13, 13, 256},       {135, 13, 13, 256},
    {136, 13, 13, 256},        {137, 13, 13, 256},       {138, 13, 13, 256},       {139, 13, 13, 256},
    {140, 26, 26, 256},        {141, 13, kClosedOnly, 4},
};

constexpr int kTableSize = yaku::kLastLocal + 1;

struct RowIndex {
  std::array<ValueRow, kTableSize> rows{};
  std::array<bool, kTableSize> present{};
};

constexpr RowIndex BuildIndex() {
  RowIndex index;
  for (const ValueRow& row : kRows) {
    index.rows[static_cast<std::size_t>(row.code)] = row;
    index.present[static_cast<std::size_t>(row.code)] = true;
  }
  return index;
}

constexpr RowIndex kIndex = BuildIndex();

std::int16_t SpecialHan(const TableState& state, std::size_t s, Special special) {
  const RuleSet& rules = state.rules;
  switch (special) {
    case Special::Yakuhai: return state.yakuhaiCount[s];
    case Special::SevenPairs: return rules[33] == 1 ? 2 : 1;
    case Special::Renhou: return rules[44] == 2 ? 13 : 5;
    case Special::SuuankouTanki: return rules[46] == 1 ? 26 : 13;
    case Special::Daisuushii: return rules[47] == 1 ? 26 : 13;
    case Special::Dora: return state.doraCount[s];
    case Special::Ura: return state.uraCount[s];
    case Special::Red: return state.redCount[s];
    case Special::None: break;
  }
  return 0;
}

// The dora codes and 役牌 earn their count as experience too.
bool ExperienceIsHan(Special special) {
  return special == Special::Yakuhai || special == Special::Dora || special == Special::Ura ||
         special == Special::Red;
}

}  // namespace

YakuValue YakuValueOf(const TableState& state, int seat, YakuCode code) {
  YakuValue value;
  if (code < 0 || code >= kTableSize || !kIndex.present[static_cast<std::size_t>(code)]) return value;
  const ValueRow& row = kIndex.rows[static_cast<std::size_t>(code)];
  const std::size_t s = static_cast<std::size_t>(seat);
  value.inTable = true;
  if (state.hasCalled[s] && row.hanOpen == kClosedOnly) return value;
  if (row.special != Special::None) {
    value.han = SpecialHan(state, s, row.special);
  } else {
    value.han = state.hasCalled[s] ? row.hanOpen : row.hanClosed;
  }
  value.experience = ExperienceIsHan(row.special) ? value.han : row.experience;
  const bool doraCode = row.special == Special::Dora || row.special == Special::Ura || row.special == Special::Red;
  value.yakuman = !doraCode && value.han >= 13;
  return value;
}

int ManganFlagCount(const TableState& state, int seat) {
  int flags = 0;
  for (int k = 1; k <= yaku::kManganFlagCount; ++k) {
    flags += state.manganYakuFlags[static_cast<std::size_t>(seat)][static_cast<std::size_t>(k)] ? 1 : 0;
  }
  return flags;
}

std::int16_t CountHan(const TableState& state, int seat) {
  int han = 0;
  for (YakuCode code : state.yakuList[static_cast<std::size_t>(seat)]) {
    if (code == 0) break;
    if (code == yaku::kIppatsu || code == yaku::kDora || code == yaku::kUraDora || code == yaku::kRedDora) continue;
    han += YakuValueOf(state, seat, code).han;
  }
  return static_cast<std::int16_t>(han);
}

}  // namespace mj::hand
