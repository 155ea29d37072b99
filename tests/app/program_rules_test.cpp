// SPDX-License-Identifier: MIT
// The program's rules apart from its screens: item splitting, the checks
// and conversion of Continue, the monitor's item formats, report texts.
#include <gtest/gtest.h>

#include <QStringList>

#include "app/about_box.h"
#include "app/error_report.h"
#include "app/location_rules.h"
#include "app/sentence_items.h"
#include "common/number_text.h"
#include "tests/support/error_expectations.h"
#include "tests/support/qt_printers.h"

namespace kestrune {
namespace {

TEST(stripNextItem, WalksTheItemsFromLeftToRight) {
  struct Case {
    QString text;
    QStringList items;  // three calls
  };
  const Case cases[] = {
      {"a,b", {"a", "b", ""}},
      {",b", {"", "b", ""}},
      {"a,", {"a", "", ""}},
      {"a,,b", {"a", "", "b"}},
      {"abc", {"abc", "", ""}},
      {"", {"", "", ""}},
      {" x ,1.80*3F", {" x ", "1.80*3F", ""}},
  };
  for (const Case& c : cases) {
    QString text = c.text;
    QStringList items;
    for (int call = 0; call < 3; ++call) items << stripNextItem(text, ",");
    EXPECT_EQ(items, c.items) << c.text.toStdString();
    EXPECT_TRUE(text.isEmpty());
  }
}

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

TEST(SentenceItems, CoordinatesBecomeDecimalDegreesAndTimesReadable) {
  EXPECT_EQ(decimalDegrees("3348.1234"), "33.802057");
  EXPECT_EQ(decimalDegrees("15112.3456"), "151.205760");
  EXPECT_EQ(decimalDegrees("00007.6561"), "0.127602");
  EXPECT_EQ(decimalDegrees("5203.6000"), "52.060000");
  EXPECT_EQ(clockText("123456"), "12:34:56");
  EXPECT_EQ(clockText("010203"), "01:02:03");
  EXPECT_EQ(dateText("251299"), "2099-12-25");
  EXPECT_EQ(dateText("010100"), "2000-01-01");
  for (const char* tooShort : {"", "48.123", "4812.1"}) {
    EXPECT_EQ(vx::test::errorNumberOf([&] { decimalDegrees(tooShort); }), vx::kInvalidProcedureCall) << tooShort;
  }
  for (const char* notANumber : {"3348,1234", "-3348.123", "33481234", "3348.12a4", "3.481234"}) {
    EXPECT_EQ(vx::test::errorNumberOf([&] { decimalDegrees(notANumber); }), vx::kTypeMismatch) << notANumber;
  }
}

// Each sentence is taken apart once; one that ends early gives empty
// items, and only "$GPRMC", "$GPGSA" and "$GPGSV" exactly give a report.
TEST(SentenceItems, SentencesBecomeReports) {
  const auto position = positionReport("$GPRMC,123456,A,3348.1234,S,15112.3456,E,00.00,000.0,251299,,*00");
  ASSERT_TRUE(position);
  EXPECT_EQ(QStringList({position->time, position->status, position->latitude, position->latitudeHemisphere,
                         position->longitude, position->longitudeHemisphere, position->date}),
            QStringList({"123456", "A", "3348.1234", "S", "15112.3456", "E", "251299"}));
  const auto cut = positionReport("$GPRMC,123456,V");
  ASSERT_TRUE(cut);
  EXPECT_EQ(cut->status, "V");
  EXPECT_EQ(cut->latitude, "");
  EXPECT_EQ(cut->date, "");

  const auto precision = precisionReport("$GPGSA,A,3,01,02,03,04,05,,,,,,,,1.80,1.00,1.50*00");
  ASSERT_TRUE(precision);
  EXPECT_EQ(precision->used, QList<int>({1, 2, 3, 4, 5}));
  EXPECT_EQ(precision->precision, "1.80");
  EXPECT_TRUE(precisionReport("$GPGSA,A,3")->used.isEmpty());

  // The last satellite's signal ends at the checksum; an empty signal is none heard, an empty number no satellite.
  const auto satellites = satellitesReport("$GPGSV,3,2,11,14,,,45,02,,,,,,,30,18,07,300,35*7A");
  ASSERT_TRUE(satellites);
  EXPECT_EQ(satellites->sentences, 3);
  EXPECT_EQ(satellites->sentence, 2);
  EXPECT_EQ(satellites->satellites, QList<SatelliteSignal>({{14, 45}, {2, 0}, {18, 35}}));
  EXPECT_TRUE(satellitesReport("$GPGSV,1,1,00*79")->satellites.isEmpty());

  for (const char* other : {"$gprmc,123456,A", "$GPGGA,1,2", "", " $GPRMC,1"}) {
    EXPECT_FALSE(positionReport(other)) << other;
    EXPECT_FALSE(precisionReport(other)) << other;
    EXPECT_FALSE(satellitesReport(other)) << other;
  }
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
