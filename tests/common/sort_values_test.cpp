#include "common/sort_values.h"

#include <gtest/gtest.h>

#include "common/text_value.h"

namespace mj {
namespace {

TEST(SortValues, SortsByValueInBothOrdersAndMapsEachPlaceToItsFirstSource) {
  std::vector<std::string> texts = {"25000", "-300", "41000", "25000"};
  std::vector<int> index;
  ASSERT_TRUE(SortValues(texts, 1, index));
  EXPECT_EQ(texts, (std::vector<std::string>{"41000", "25000", "25000", "-300"}));
  EXPECT_EQ(index, (std::vector<int>{2, 0, 0, 1}));  // equal texts both point at the first

  ASSERT_TRUE(SortValues(texts, 0, index));
  EXPECT_EQ(texts, (std::vector<std::string>{"-300", "25000", "25000", "41000"}));
  EXPECT_EQ(index, (std::vector<int>{3, 1, 1, 0}));
}

TEST(SortValues, NumericNotTextualAndOtherOrdersRefused) {
  std::vector<std::string> texts = {"9", "10", "100"};
  std::vector<int> index = {7};
  EXPECT_FALSE(SortValues(texts, 2, index));
  EXPECT_EQ(texts, (std::vector<std::string>{"9", "10", "100"}));
  EXPECT_EQ(index, (std::vector<int>{7}));
  ASSERT_TRUE(SortValues(texts, 1, index));
  EXPECT_EQ(texts, (std::vector<std::string>{"100", "10", "9"}));
}

TEST(TextValue, ReadsTheLongestLeadingNumber) {
  EXPECT_EQ(TextValue("-12"), -12);
  EXPECT_EQ(TextValue("4.5"), 4.5);
  EXPECT_EQ(TextValue(".56"), 0.56);
  EXPECT_EQ(TextValue("12ab"), 12);
  EXPECT_EQ(TextValue("ab12"), 0);
  EXPECT_EQ(TextValue("-"), 0);
  EXPECT_EQ(TextValue(""), 0);
}

}  // namespace
}  // namespace mj
