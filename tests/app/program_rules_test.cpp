// SPDX-License-Identifier: MIT
// The program's rules apart from its screens: the checks
// and conversion of Continue, the monitor's item formats, report texts.
#include <gtest/gtest.h>

#include "app/about_box.h"
#include "app/error_report.h"
#include "app/location_rules.h"
#include "app/sentence_items.h"
#include "common/number_text.h"
#include "control/error/vx_error.h"
#include "tests/support/qt_printers.h"

namespace kestrune {
namespace {

TEST(LocationRules, CoordinatesThatRealPlacesHavePass) {
  for (const char* latitude : {"0", "0.18", "1", "37.8", "37.8.5", "90", "51.5 N"}) {
    EXPECT_TRUE(isValidLatitude(latitude)) << latitude;
  }
  for (const char* latitude : {"", "-", "abc", "-0.5", "90.5", "360", "1e999", ".e5"}) {
    EXPECT_FALSE(isValidLatitude(latitude)) << latitude;
  }
  for (const char* longitude : {"0", "0.1276", "144.67", "180"}) EXPECT_TRUE(isValidLongitude(longitude)) << longitude;
  for (const char* longitude : {"", "180.5", "4226.478", "-1"}) EXPECT_FALSE(isValidLongitude(longitude)) << longitude;
}

TEST(LocationRules, TimeDifferenceIsNegatedAsPlainDecimalText) {
  const std::pair<const char*, const char*> cases[] = {
      {"", "0"},    {"-", "0"},     {"0.0", "0"},    {"10", "-10"},  {"-7", "7"},  {"9.5", "-9.5"},
      {"0.5", "-.5"}, {"-.25", ".25"}, {"09", "-9"}, {"5-", "-5"},   {"+3", "-3"},
  };
  for (const auto& [entry, negated] : cases) {
    EXPECT_EQ(negatedTimeDifference(entry), negated) << entry;
    // Negated twice: the user's own entry, as a number.
    EXPECT_EQ(negatedTimeDifference(negatedTimeDifference(entry)).toDouble(), vx::leadingNumber(entry)) << entry;
  }
}

// The screen's forms: zeros kept, and a zero read from "S" or "W" keeps its hemisphere.
TEST(SentenceItems, ValuesTakeTheScreensForms) {
  EXPECT_EQ(coordinateText(-(33 + 48.1234 / 60)), "33.802057");
  EXPECT_EQ(coordinateText(7.6561 / 60), "0.127602");
  EXPECT_EQ(hemisphereText(-0.0, "N", "S"), "S");
  EXPECT_EQ(hemisphereText(0.0, "E", "W"), "E");
  EXPECT_EQ(clockText({2000, 1, 1, 1, 2, 3}), "01:02:03");
  EXPECT_EQ(dateText({2000, 1, 2, 0, 0, 0}), "2000-01-02");
}

TEST(ReportTexts, ErrorReportAndAboutBoxesReadAsTheProgramShowsThem) {
  const vx::Error error(8012, "cannot open /dev/ttyS2: No such file or directory");
  EXPECT_EQ(errorReportText("vxcomm1_OnComm", reportOf(error)),
            "A serious internal error occurred in the \"vxcomm1_OnComm\" module!\r\n\r\n"
            "Err.Num: (8012), Err.Des: (cannot open /dev/ttyS2: No such file or directory) Err.Src: (vx.vxcomm)"
            "\r\n\r\nIf the problem persists, report full details to your software support personnel.");
  EXPECT_EQ(reportOf(std::runtime_error("boom")).number, 51);
  EXPECT_TRUE(welcomeAboutText().startsWith("Version 1.1.\r\n\r\n"));
  EXPECT_EQ(welcomeAboutText().count("\r\n\r\n"), 2);
  EXPECT_TRUE(screenAboutText().startsWith("Version 1.00.\r\n\r\n"));
  EXPECT_EQ(screenAboutText().count("\r\n"), 2);
}

}  // namespace
}  // namespace kestrune
