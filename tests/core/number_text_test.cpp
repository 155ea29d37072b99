// SPDX-License-Identifier: MIT
#include "number_text.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>

namespace vx {
namespace {

TEST(NumberText, FixedPatternsPadTheIntegerPartAndRoundTheDecimals) {
  EXPECT_EQ(formatFixed(5.5, 2, 4), "05.5000");
  EXPECT_EQ(formatFixed(123.45678, 2, 4), "123.4568");
  EXPECT_EQ(formatFixed(7, 2, 0), "07");
  EXPECT_EQ(formatFixed(123, 2, 0), "123");
  EXPECT_EQ(formatFixed(2.1, 1, 2), "2.10");
  EXPECT_EQ(formatFixed(-1.5, 1, 2), "-1.50");
  EXPECT_EQ(formatFixed(-0.001, 1, 2), "0.00");  // no sign on a value that rounds to zero
  EXPECT_EQ(formatFixed(2026, 4, 0), "2026");
  EXPECT_EQ(formatFixed(7, 4, 0), "0007");
}

TEST(NumberText, LeadingNumberTakesTheLongestNumericBeginning) {
  EXPECT_EQ(leadingNumber("37.8.5"), 37.8);
  EXPECT_EQ(leadingNumber("5-"), 5);
  EXPECT_EQ(leadingNumber("-7"), -7);
  EXPECT_EQ(leadingNumber("09"), 9);
  EXPECT_EQ(leadingNumber(".5"), 0.5);
  EXPECT_EQ(leadingNumber("  12abc"), 12);
  EXPECT_EQ(leadingNumber("1e3x"), 1000);
  EXPECT_EQ(leadingNumber("1e"), 1);
  EXPECT_EQ(leadingNumber("abc"), 0);
  EXPECT_EQ(leadingNumber(""), 0);
  EXPECT_EQ(leadingNumber("-"), 0);
  EXPECT_EQ(leadingNumber("."), 0);
  EXPECT_TRUE(std::isinf(leadingNumber("1e999")));
  EXPECT_EQ(leadingNumber("1e-999"), 0);
}

TEST(NumberText, ParseNumberNeedsTheWholeText) {
  EXPECT_EQ(parseNumber("071.25000"), 71.25);
  EXPECT_EQ(parseNumber(" 71.2544 "), 71.2544);
  EXPECT_EQ(parseNumber("-3"), -3);
  EXPECT_FALSE(parseNumber("abc"));
  EXPECT_FALSE(parseNumber("7a"));
  EXPECT_FALSE(parseNumber(""));
  EXPECT_FALSE(parseNumber("1.2.3"));
}

TEST(NumberText, GeneralFormDropsTrailingZerosAndIgnoresTheLocale) {
  EXPECT_EQ(generalNumber(71.2544), "71.2544");
  EXPECT_EQ(generalNumber(71.25), "71.25");
  EXPECT_EQ(generalNumber(5), "5");
  EXPECT_EQ(generalNumber(-0.5), "-0.5");
  EXPECT_EQ(generalNumber(0.1 + 0.2), "0.3");
  const char* previous = std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
  EXPECT_EQ(generalNumber(71.25), "71.25");
  EXPECT_EQ(formatFixed(2.1, 1, 2), "2.10");
  if (previous) std::setlocale(LC_NUMERIC, "C");
}

}  // namespace
}  // namespace vx
