#include "common/kanji_number.h"

#include <gtest/gtest.h>

namespace mj {
namespace {

TEST(KanjiNumber, WritesTheTabledForms) {
  struct Row {
    std::int64_t n;
    const char* text;
  };
  const Row rows[] = {
      {0, "零"},          {1, "一"},           {10, "十"},           {11, "十一"},
      {26, "二十六"},     {100, "百"},         {1111, "千百十一"},   {2001, "二千一"},
      {10000, "一万"},    {10200, "一万二百"}, {110000, "十一万"},   {100000000, "一億"},
      {120003400, "一億二千万三千四百"},       {-3, "マイナス三"},   {-10200, "マイナス一万二百"},
      {1000000000000, "一万億"},
  };
  for (const Row& row : rows) EXPECT_EQ(KanjiNumber(row.n), row.text) << row.n;
}

}  // namespace
}  // namespace mj
