// SPDX-License-Identifier: MIT
#include "control/core/codecs.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "tests/support/error_expectations.h"

namespace vx::codec {
namespace {

using test::errorNumberOf;

std::string bytes(std::initializer_list<int> values) {
  std::string out;
  for (int v : values) out += static_cast<char>(v);
  return out;
}

TEST(Codecs, SixteenBitFieldsReadTwosComplementFromTheHighByte) {
  EXPECT_EQ(cvi(bytes({0xFF, 0xFF})), -1);
  EXPECT_EQ(cvi(bytes({0x00, 0x80})), -32768);
  EXPECT_EQ(cvi(bytes({0xFF, 0x7F})), 32767);
  EXPECT_EQ(cvui(bytes({0xFF, 0xFF})), 65535);
  EXPECT_EQ(cvui(bytes({0x34, 0x12})), 4660);
}

TEST(Codecs, ThirtyTwoBitFieldsReadLowWordFirst) {
  EXPECT_EQ(cvdi(bytes({0xFF, 0xFF, 0xFF, 0xFF})), -1);
  EXPECT_EQ(cvdi(bytes({0x00, 0x00, 0x00, 0x80})), -2147483648.0);
  EXPECT_EQ(cvdi(bytes({0xFF, 0xFF, 0xFF, 0x7F})), 2147483647.0);
  EXPECT_EQ(cvudi(bytes({0xFF, 0xFF, 0xFF, 0xFF})), 4294967295.0);
  EXPECT_EQ(cvdi(bytes({0x78, 0x56, 0x34, 0x12, 0xFF})), 0x12345678);  // the tail is ignored
}

TEST(Codecs, FortyEightBitFieldIsTwosComplementOverAllSixBytes) {
  EXPECT_EQ(cvti(bytes({0x01, 0, 0, 0, 0, 0})), 1);
  EXPECT_EQ(cvti(bytes({0, 0, 0, 0, 0x01, 0})), 4294967296.0);
  EXPECT_EQ(cvti(bytes({0, 0, 0, 0, 0, 0x01})), 1099511627776.0);
  EXPECT_EQ(cvti(bytes({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF})), -1);
  EXPECT_EQ(cvti(bytes({0, 0, 0, 0, 0, 0x80})), -140737488355328.0);
}

TEST(Codecs, TextShorterThanTheFieldIsAnInvalidCall) {
  EXPECT_EQ(errorNumberOf([] { cvi(bytes({0x01})); }), kInvalidProcedureCall);
  EXPECT_EQ(errorNumberOf([] { cvui(""); }), kInvalidProcedureCall);
  EXPECT_EQ(errorNumberOf([] { cvdi(bytes({1, 2, 3})); }), kInvalidProcedureCall);
  EXPECT_EQ(errorNumberOf([] { cvudi(bytes({1, 2, 3})); }), kInvalidProcedureCall);
  EXPECT_EQ(errorNumberOf([] { cvti(bytes({1, 2, 3, 4, 5})); }), kInvalidProcedureCall);
}

TEST(Codecs, AngleConversionsUseTheCutPiAndDivideFirst) {
  EXPECT_EQ(crad(180), 3.1415926535);
  EXPECT_EQ(crad(90), 1.57079632675);
  EXPECT_EQ(cdeg(3.1415926535), 180);
  EXPECT_NEAR(cdeg(crad(42.4413)), 42.4413, 1e-12);
  EXPECT_EQ(cfeet(1), 3.28083333333);
  EXPECT_EQ(cfeet(0), 0);
}

TEST(Codecs, NonFiniteResultsAreOverflowErrors) {
  const double huge = std::numeric_limits<double>::max();
  EXPECT_EQ(errorNumberOf([&] { cfeet(huge); }), kOverflow);
  EXPECT_EQ(errorNumberOf([&] { cdeg(huge); }), kOverflow);
  EXPECT_EQ(errorNumberOf([] { crad(std::numeric_limits<double>::quiet_NaN()); }), kOverflow);
  EXPECT_EQ(errorNumberOf([] { crad(std::numeric_limits<double>::infinity()); }), kOverflow);
}

}  // namespace
}  // namespace vx::codec
