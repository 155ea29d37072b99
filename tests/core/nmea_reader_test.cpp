// SPDX-License-Identifier: MIT
// The sentences read back: real ones (vxdecode over the recordings in
// ../shared/captures), the writer's own in every hemisphere, and damaged ones.
#include "control/core/nmea_reader.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "tools/messages/receiver_messages.h"

namespace vx {
namespace {

struct PositionCase {
  const char* sentence;
  std::optional<PositionReading> reading;
};

void PrintTo(const PositionCase& c, std::ostream* out) { *out << c.sentence; }

class PositionSentences : public ::testing::TestWithParam<PositionCase> {};

TEST_P(PositionSentences, ReadWholeOrNotAtAll) {
  const std::optional<PositionReading> read = readPositionSentence(GetParam().sentence);
  const std::optional<PositionReading>& expected = GetParam().reading;
  ASSERT_EQ(read.has_value(), expected.has_value());
  if (!read) return;
  EXPECT_EQ(read->utc, expected->utc);
  EXPECT_EQ(read->valid, expected->valid);
  EXPECT_NEAR(read->latitude, expected->latitude, 1e-9);
  EXPECT_NEAR(read->longitude, expected->longitude, 1e-9);
  EXPECT_EQ(read->speedKnots, expected->speedKnots);
  EXPECT_EQ(read->courseDegrees, expected->courseDegrees);
}

INSTANTIATE_TEST_SUITE_P(
    Table, PositionSentences,
    ::testing::Values(
        // fix-utrecht.bin, a valid fix; the date's year is the sentence's two digits after 2000.
        PositionCase{"$GPRMC,204219,A,5203.7576,N,00508.3123,E,00.00,000.0,130605,00.9,W*59",
                     PositionReading{{2005, 6, 13, 20, 42, 19}, true, 52 + 3.7576 / 60, 5 + 8.3123 / 60, 0.0, 0.0}},
        // wakeup.bin, before the fix: status V, west.
        PositionCase{"$GPRMC,000022,V,4444.2197,N,07500.3856,W,00.00,000.0,290697,14.6,W*56",
                     PositionReading{{2097, 6, 29, 0, 0, 22}, false, 44 + 44.2197 / 60, -(75 + 0.3856 / 60), 0.0, 0.0}},
        // The writer's south and west; empty speed and course are none reported.
        PositionCase{"$GPRMC,123456,V,3348.1234,S,15112.3456,E,,,251299,,*1E",
                     PositionReading{{2099, 12, 25, 12, 34, 56}, false, -(33 + 48.1234 / 60), 151 + 12.3456 / 60,
                                     std::nullopt, std::nullopt}},
        PositionCase{"$GPRMC,090507,A,4222.4036,N,07112.7636,W,23.99,090.0,061226,01.5,W*46",
                     PositionReading{{2026, 12, 6, 9, 5, 7}, true, 42 + 22.4036 / 60, -(71 + 12.7636 / 60), 23.99,
                                     90.0}},
        // The checksum wrong, then missing.
        PositionCase{"$GPRMC,204219,A,5203.7576,N,00508.3123,E,00.00,000.0,130605,00.9,W*58", std::nullopt},
        PositionCase{"$GPRMC,204219,A,5203.7576,N,00508.3123,E,00.00,000.0,130605,00.9,W", std::nullopt},
        PositionCase{"$GPRMC,000000,V,,,,,,,010100,,*31", std::nullopt},                     // no position
        PositionCase{"$GPRMC,123456,A,48.1234,S,15112.3456,E,,,251299,,*09", std::nullopt},  // no degrees
        PositionCase{"$GPRMC,123456,A,3360.0000,S,15112.3456,E,,,251299,,*07", std::nullopt},  // 60 minutes
        PositionCase{"$GPRMC,123456,A,3348.1234,X,15112.3456,E,,,251299,,*02", std::nullopt},  // hemisphere
        PositionCase{"$GPRMC,123456,A,3348.1234,S,15112.3456,E,,,310299,,*0D", std::nullopt},  // 31 February
        PositionCase{"$GPRMC,243456,A,3348.1234,S,15112.3456,E,,,251299,,*0C", std::nullopt},  // hour 24
        PositionCase{"$GPRMC,123456,X,3348.1234,S,15112.3456,E,,,251299,,*10", std::nullopt},  // status
        PositionCase{"$GPRMC,123456,A,3348.1234,S,15112.3456,E,1e3,,251299,,*6E", std::nullopt},  // speed
        PositionCase{"$GPRMC,123456,A,3348.1234,S*78", std::nullopt},  // cut short
        PositionCase{"$gprmc,123456,A,3348.1234,S,15112.3456,E,,,251299,,*29", std::nullopt},
        PositionCase{"$GPRMCX,123456,A,3348.1234,S,15112.3456,E,,,251299,,*51", std::nullopt},
        PositionCase{"", std::nullopt}, PositionCase{"$*00", std::nullopt}),
    [](const auto& info) { return "Case" + std::to_string(info.index); });

// Whatever the writer makes of a position, in each hemisphere, reads back
// as that position (to the minutes' four decimals).
TEST(WrittenPositions, ReadBackInEveryHemisphere) {
  for (const double latitude : {52.0626, -33.8, 0.0, -89.99999}) {
    for (const double longitude : {5.1385, -71.2127, 179.99999, -0.000001}) {
      ReceiverPosition position;
      position.day = 8, position.month = 12, position.year = 2026;
      position.latitude = static_cast<int32_t>(std::llround(latitude * 3.14159265358979 / 180 * 1e8));
      position.longitude = static_cast<int32_t>(std::llround(longitude * 3.14159265358979 / 180 * 1e8));
      const std::string sentence = *positionSentence(positionMessage(position));
      const auto read = readPositionSentence(sentence);
      ASSERT_TRUE(read) << sentence;
      EXPECT_NEAR(read->latitude, latitude, 1e-6) << sentence;
      EXPECT_NEAR(read->longitude, longitude, 1e-6) << sentence;
    }
  }
}

TEST(PrecisionSentences, GiveTheSatellitesUsedAndTheDilutions) {
  const auto utrecht = readPrecisionSentence("$GPGSA,A,3,05,04,14,07,30,24,09,22,,,,,0.00,0.00,0.00*0D");
  ASSERT_TRUE(utrecht);
  EXPECT_EQ(utrecht->fixMode, 3);
  EXPECT_EQ(utrecht->used, std::vector<int>({5, 4, 14, 7, 30, 24, 9, 22}));
  const auto worked = readPrecisionSentence("$GPGSA,A,3,05,17,,,,,,,,,,,2.10,1.20,1.70*07");
  ASSERT_TRUE(worked);
  EXPECT_EQ(worked->used, std::vector<int>({5, 17}));
  EXPECT_EQ(worked->dilutions.position, 2.10);
  EXPECT_EQ(worked->dilutions.vertical, 1.70);
  EXPECT_TRUE(readPrecisionSentence("$GPGSA,A,3,,,,,,,,,,,,,0.00,0.00,0.00*02")->used.empty());
  for (const char* damaged :
       {"$GPGSA,A,3,05,17,,,,,,,,,,,2.10,1.20,1.70*08", "$GPGSA,A,3,05,17,,,,,,,,,,,2.10,1.20*33",
        "$GPGSA,A,4,05,17,,,,,,,,,,,2.10,1.20,1.70*00", "$GPGSA,A,3,05,x,,,,,,,,,,,2.10,1.20,1.70*79",
        "$GPGSA,A,3,05,17,,,,,,,,,,,,1.20,1.70*1A"}) {
    EXPECT_FALSE(readPrecisionSentence(damaged)) << damaged;
  }
}

TEST(SatellitesSentences, GiveTheirPlaceInTheGroupAndTheirSatellites) {
  const auto utrecht = readSatellitesSentence("$GPGSV,3,3,11,24,,,37,09,,,50,22,,,42*71");
  ASSERT_TRUE(utrecht);
  EXPECT_EQ((std::array{utrecht->sentences, utrecht->sentence, utrecht->inView}), (std::array{3, 3, 11}));
  EXPECT_EQ(utrecht->satellites, std::vector<SatelliteInView>({{24, -1, -1, 37}, {9, -1, -1, 50}, {22, -1, -1, 42}}));
  // An empty signal is none heard; an empty satellite number no satellite.
  const auto gaps = readSatellitesSentence("$GPGSV,3,2,11,14,,,45,02,,,,,,,30,18,07,300,35*46");
  ASSERT_TRUE(gaps);
  EXPECT_EQ(gaps->satellites, std::vector<SatelliteInView>({{14, -1, -1, 45}, {2, -1, -1, 0}, {18, 7, 300, 35}}));
  EXPECT_TRUE(readSatellitesSentence("$GPGSV,1,1,00*79")->satellites.empty());
  for (const char* damaged : {"$GPGSV,3,3,11,24,,,37,09,,,50,22,,,42*70", "$GPGSV,1,2,01,16,,,02*7E",
                              "$GPGSV,1,1,01,16,,*53", "$GPGSV,1,1,01,16,91,,02*75"}) {
    EXPECT_FALSE(readSatellitesSentence(damaged)) << damaged;
  }
}

}  // namespace
}  // namespace vx
