// SPDX-License-Identifier: MIT
#include "control/core/nmea_sentences.h"

#include <gtest/gtest.h>

#include <cmath>

#include "control/core/message_builder.h"
#include "tests/support/receiver_bytes.h"
#include "tools/messages/receiver_messages.h"

namespace vx {
namespace {

using test::cutToDataWords;

ReceiverPosition workedPosition() {
  ReceiverPosition p;
  p.hours = 9, p.minutes = 5, p.seconds = 7, p.status = 0;
  p.latitude = 73955522, p.longitude = -124289654;
  p.speed = 1234, p.course = 1571;
  p.day = 6, p.month = 12, p.year = 2026, p.variation = -262;
  return p;
}

// Latitude or longitude in 1e-8 radian for an angle in degrees.
int32_t radians1e8(double degrees) {
  return static_cast<int32_t>(std::llround(degrees / 180.0 * 3.1415926535 * 1e8));
}

std::string body(const std::optional<std::string>& sentence) {
  return sentence->substr(1, sentence->size() - 4);
}

TEST(PositionSentence, WorkedExampleComesOutCharacterForCharacter) {
  EXPECT_EQ(positionSentence(positionMessage(workedPosition())),
            "$GPRMC,090507,A,4222.4036,N,07112.7636,W,23.99,090.0,061226,01.5,W*46");
}

TEST(PositionSentence, SpeedIsInKnots) {
  ReceiverPosition p;
  p.speed = 1000;  // 10 m/s
  EXPECT_NE(body(positionSentence(positionMessage(p))).find(",E,19.44,"), std::string::npos);
}

TEST(PositionSentence, ZeroAnglesTakeTheNorthernAndEasternLetters) {
  ReceiverPosition p;
  EXPECT_EQ(body(positionSentence(positionMessage(p))),
            "GPRMC,000000,A,0000.0000,N,00000.0000,E,00.00,000.0,010100,00.0,E");
}

TEST(PositionSentence, HemispheresFollowTheSignOfTheAngle) {
  ReceiverPosition p;
  p.latitude = radians1e8(-12.5);
  p.longitude = radians1e8(5.25);
  const std::string text = body(positionSentence(positionMessage(p)));
  EXPECT_NE(text.find(",1230.0000,S,00515.0000,E,"), std::string::npos) << text;
}

TEST(PositionSentence, StatusIsTheLowByteOfWordTen) {
  ReceiverPosition p;
  p.status = 1;
  EXPECT_EQ(body(positionSentence(positionMessage(p))).substr(13, 2), "V,");
  MessageWords highByteOnly(49);
  highByteOnly.set(10, 0x0100);
  EXPECT_EQ(body(positionSentence(highByteOnly.build(1000))).substr(13, 2), "A,");
}

TEST(PositionSentence, YearKeepsItsLastTwoDigits) {
  ReceiverPosition p;
  p.year = 2007;
  EXPECT_NE(positionSentence(positionMessage(p))->find(",010107,"), std::string::npos);
  p.year = 1999;
  EXPECT_NE(positionSentence(positionMessage(p))->find(",010199,"), std::string::npos);
}

TEST(PositionSentence, TimeAndDateWordsAboveSignedRangeAreWrittenUnsigned) {
  ReceiverPosition p;
  p.hours = 40000, p.day = 65535;
  const std::string text = *positionSentence(positionMessage(p));
  EXPECT_EQ(text.find('-'), std::string::npos) << text;
  EXPECT_NE(text.find("GPRMC,400000000,"), std::string::npos) << text;
  EXPECT_NE(text.find(",655350100,"), std::string::npos) << text;
}

TEST(PositionSentence, MinutesThatRoundToSixtyCarryIntoTheDegrees) {
  ReceiverPosition p;
  p.latitude = 75049157;    // 42.99999952 degrees: 42 and 59.99997 minutes, written as 60.0000
  p.longitude = -75049157;  // the same west
  const std::string text = body(positionSentence(positionMessage(p)));
  EXPECT_NE(text.find(",4300.0000,N,04300.0000,W,"), std::string::npos) << text;
}

// A field is read only from a data word: a message whose last word a field
// needs is its data checksum yields nothing.
TEST(PositionSentence, MessageTooShortForItsFieldsYieldsNothing) {
  const std::string full = positionMessage(workedPosition());
  EXPECT_TRUE(positionSentence(cutToDataWords(full, 32)));
  EXPECT_FALSE(positionSentence(cutToDataWords(full, 31)));
  EXPECT_FALSE(positionSentence(""));
}

TEST(ChannelSentence, WorkedExampleComesOutCharacterForCharacter) {
  const auto dops = precisionFromMessage(precisionMessage(210, 120, 170));
  ASSERT_TRUE(dops);
  const std::string message = channelMessage({{1, 5}, {0, 12}, {3, 17}});
  EXPECT_EQ(channelSentence(message, *dops), "$GPGSA,A,3,05,17,,,,,,,,,,,2.10,1.20,1.70*07");
}

TEST(ChannelSentence, UnusedChannelsAndSatelliteZeroGiveEmptyFields) {
  const DilutionsOfPrecision none;
  EXPECT_EQ(body(channelSentence(channelMessage({}), none)),
            "GPGSA,A,3,,,,,,,,,,,,,0.00,0.00,0.00");
  EXPECT_EQ(body(channelSentence(channelMessage({{0, 0}, {0, 0}, {0, 0}, {1, 0}}), none)),
            "GPGSA,A,3,,,,,,,,,,,,,0.00,0.00,0.00");
}

TEST(ChannelSentence, UsedSatellitesComeFirstInChannelOrder) {
  std::vector<ReceiverChannel> channels(12);
  channels[11] = {1, 200};  // three digits as they come
  channels[4] = {0xFF, 3};
  channels[0] = {2, 9};     // bit 0 clear: not used
  EXPECT_EQ(body(channelSentence(channelMessage(channels), {1.5, 2, 3})),
            "GPGSA,A,3,03,200,,,,,,,,,,,1.50,2.00,3.00");
}

TEST(ChannelSentence, TooShortMessagesYieldNothing) {
  EXPECT_TRUE(channelSentence(cutToDataWords(channelMessage({{1, 5}}), 44), {}));
  EXPECT_FALSE(channelSentence(cutToDataWords(channelMessage({{1, 5}}), 43), {}));
  EXPECT_TRUE(precisionFromMessage(cutToDataWords(precisionMessage(1, 2, 3), 7)));
  // Six data words: the vertical dilution would be read from the checksum.
  EXPECT_FALSE(precisionFromMessage(cutToDataWords(precisionMessage(1, 2, 3), 6)));
}

TEST(FinishSentence, ChecksumIsTwoCapitalHexDigitsOfTheBodysXor) {
  EXPECT_EQ(finishSentence("A"), "$A*41");
  EXPECT_EQ(finishSentence("AK"), "$AK*0A");  // 0x41 ^ 0x4B
  EXPECT_EQ(finishSentence(""), "$*00");
}

}  // namespace
}  // namespace vx
