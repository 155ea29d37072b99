// SPDX-License-Identifier: MIT
#include "common/number_text.h"

#include <gtest/gtest.h>

#include <charconv>
#include <clocale>
#include <cmath>
#include <random>
#include <string>
#include <vector>

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

// The sentences' numbers are written in integer arithmetic where that is
// sure to round as std::to_chars does, which stays the reference: exact
// ties (to the even neighbour), values a hair from a tie, zero, tiny,
// huge and non-finite values, in every width the sentences use.
TEST(NumberText, FixedDigitsMatchToCharsForAnyValue) {
  const auto reference = [](double value, int decimals) {
    char digits[400];
    const auto result =
        std::to_chars(digits, digits + sizeof digits, std::fabs(value), std::chars_format::fixed, decimals);
    return std::string(digits, result.ptr);
  };
  std::mt19937_64 random(22);
  std::uniform_real_distribution<double> mantissa(0, 1);
  std::uniform_int_distribution<int> exponent(-12, 16);
  std::uniform_int_distribution<int> ties(0, 1 << 20);
  std::vector<double> values = {0.0, -0.0, 0.125, 0.375, 2.5, 1e-300, 4.35, 1e300, 0x1p43, 0x1p43 / 1000,
                                std::nextafter(0.125, 1.0), std::nextafter(0.125, 0.0), HUGE_VAL, NAN};
  for (int i = 0; i < 200000; ++i) values.push_back(mantissa(random) * std::pow(10.0, exponent(random)));
  for (int i = 0; i < 20000; ++i) values.push_back(ties(random) / 1024.0);  // exact ties at several widths
  for (const double value : values) {
    for (const int decimals : {0, 1, 2, 3, 4, 9}) {
      ASSERT_EQ(formatFixed(value, 1, decimals), reference(value, decimals)) << value << " " << decimals;
    }
  }
}

// The sentences are written in place into a fixed array: a text that does
// not fit must be refused whole, and wide padding still comes out whole.
TEST(NumberText, WriteFixedFillsExactlyTheRoomItNeedsOrRefuses) {
  struct Case {
    double value;
    int integerDigits;
    int decimals;
    std::string text;
  };
  const Case cases[] = {{-1.5, 1, 2, "-1.50"}, {7, 4, 0, "0007"}, {123.45678, 2, 4, "123.4568"}, {2.5, 1, 0, "2"}};
  for (const Case& c : cases) {
    char out[16];
    EXPECT_EQ(writeFixed(out, c.text.size(), c.value, c.integerDigits, c.decimals), c.text.size()) << c.text;
    EXPECT_EQ(std::string(out, c.text.size()), c.text);
    EXPECT_EQ(writeFixed(out, c.text.size() - 1, c.value, c.integerDigits, c.decimals), 0u) << c.text;
  }
  EXPECT_EQ(formatFixed(-3, 500, 1), "-" + std::string(499, '0') + "3.0");  // wider than kFixedTextRoom
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
