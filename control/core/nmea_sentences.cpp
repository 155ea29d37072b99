// SPDX-License-Identifier: MIT
#include "control/core/nmea_sentences.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>

#include "common/number_text.h"
#include "control/core/codecs.h"
#include "control/core/message_checksum.h"
#include "control/core/message_layout.h"

namespace vx {
namespace {

using codec::cdeg;

// NMEA speeds are in knots; the receiver reports centimetres per second.
constexpr double kKnotsPerMetreSecond = 1.943844;

constexpr int kSatellitesPerSentence = 4;
constexpr int kLargestSnr = 99;  // the field's two digits

// Degrees and minutes, "ddmm.mmmm" (or "dddmm.mmmm"), from the absolute
// angle; minutes that round up to 60 carry into the degrees.
void appendAngle(SentenceText& body, double angle, int degreeDigits) {
  const double magnitude = std::fabs(angle);
  double degrees = std::floor(magnitude);
  char text[kFixedTextRoom];
  std::string_view minutes(text, writeFixed(text, sizeof text, (magnitude - degrees) * 60.0, 2, 4));
  if (minutes == "60.0000") {
    degrees += 1;
    minutes = "00.0000";
  }
  body.appendFixed(degrees, degreeDigits, 0);
  body.append(minutes);
}

void appendSignedAngle(SentenceText& body, double angle, int degreeDigits, std::string_view positive,
                       std::string_view negative) {
  appendAngle(body, angle, degreeDigits);
  body.append(angle >= 0 ? positive : negative);
}

// A whole number with at least two digits: hours, days, satellites.
void appendTwoDigits(SentenceText& body, int value) {
  // Nearly every one is below 100: its two digits come from the table.
  if (value >= 0 && value < 100) {
    body.append(std::string_view(&kDigitPairs[static_cast<std::size_t>(2 * value)], 2));
    return;
  }
  body.appendFixed(value, 2, 0);
}

// The last two of at least four digits: "07" for the year 2007.
void appendLastTwoDigits(SentenceText& body, int value) {
  char text[kFixedTextRoom];
  const std::string_view digits(text, writeFixed(text, sizeof text, value, 4, 0));
  body.append(digits.substr(2, 2));
}

// Three digits, for azimuths: 0 to 359.
void appendThreeDigits(SentenceText& body, int value) {
  body.append(static_cast<char>('0' + value / 100));
  body.append(std::string_view(&kDigitPairs[static_cast<std::size_t>(2 * (value % 100))], 2));
}

}  // namespace

unsigned char sentenceChecksum(std::string_view body) {
  // Eight characters at a time: the XOR of the body does not depend on
  // where each character stands.
  uint64_t eights = 0;
  std::size_t at = 0;
  for (; at + 8 <= body.size(); at += 8) {
    uint64_t word;
    std::memcpy(&word, body.data() + at, sizeof word);
    eights ^= word;
  }
  eights ^= eights >> 32;
  eights ^= eights >> 16;
  eights ^= eights >> 8;
  auto checksum = static_cast<unsigned char>(eights);
  for (; at < body.size(); ++at) checksum ^= static_cast<unsigned char>(body[at]);
  return checksum;
}

bool writePositionSentence(SentenceText& sentence, std::string_view message) {
  namespace at = position_words;
  if (!holdsDataWord(message, at::kLast)) return false;
  sentence.clear();
  sentence.append("$GPRMC,");
  appendTwoDigits(sentence, messageWord(message, at::kHours));
  appendTwoDigits(sentence, messageWord(message, at::kMinutes));
  appendTwoDigits(sentence, messageWord(message, at::kSeconds));
  sentence.append(',');
  sentence.append(lowByte(message, at::kStatus) == 0 ? "A," : "V,");
  appendSignedAngle(sentence, cdeg(signedMessageLongWord(message, at::kLatitude) / 100000000.0), 2, ",N,", ",S,");
  appendSignedAngle(sentence, cdeg(signedMessageLongWord(message, at::kLongitude) / 100000000.0), 3, ",E,", ",W,");
  sentence.appendFixed(messageLongWord(message, at::kSpeed) * kKnotsPerMetreSecond / 100.0, 2, 2);
  sentence.append(',');
  sentence.appendFixed(cdeg(messageWord(message, at::kCourse) / 1000.0), 3, 1);
  sentence.append(',');
  appendTwoDigits(sentence, messageWord(message, at::kDay));
  appendTwoDigits(sentence, messageWord(message, at::kMonth));
  appendLastTwoDigits(sentence, messageWord(message, at::kYear));
  sentence.append(',');
  const double variation = cdeg(signedMessageWord(message, at::kVariation) / 10000.0);
  sentence.appendFixed(std::fabs(variation), 2, 1);
  sentence.append(variation >= 0 ? ",E" : ",W");
  closeSentence(sentence);
  return sentence.fits();
}

bool writeChannelSentence(SentenceText& sentence, std::string_view message, const DilutionsOfPrecision& dilutions) {
  namespace at = channel_words;
  if (!holdsDataWord(message, at::kLast)) return false;
  std::array<int16_t, at::kChannels> used{};
  for (int channel = 0; channel < at::kChannels; ++channel) {
    if (lowByte(message, at::status(channel)) & 1) used[channel] = lowByte(message, at::satellite(channel));
  }
  sentence.clear();
  sentence.append("$GPGSA,A,3,");
  for (int16_t satellite : used) {
    if (satellite > 0) {
      appendTwoDigits(sentence, satellite);
      sentence.append(',');
    }
  }
  for (int16_t satellite : used) {
    if (satellite == 0) sentence.append(',');
  }
  sentence.appendFixed(dilutions.position, 1, 2);
  sentence.append(',');
  sentence.appendFixed(dilutions.horizontal, 1, 2);
  sentence.append(',');
  sentence.appendFixed(dilutions.vertical, 1, 2);
  closeSentence(sentence);
  return sentence.fits();
}

int satelliteSentenceCount(const ChannelSatellites& inView) {
  return inView.count == 0 ? 1 : (inView.count + kSatellitesPerSentence - 1) / kSatellitesPerSentence;
}

bool writeSatelliteSentence(SentenceText& sentence, const ChannelSatellites& inView, const SkyView& sky, int number) {
  sentence.clear();
  sentence.append("$GPGSV,");
  sentence.append(static_cast<char>('0' + satelliteSentenceCount(inView)));  // at most three
  sentence.append(',');
  sentence.append(static_cast<char>('0' + number));
  sentence.append(',');
  appendTwoDigits(sentence, inView.count);
  const int first = (number - 1) * kSatellitesPerSentence;
  const int last = std::min(first + kSatellitesPerSentence, inView.count);
  for (int at = first; at < last; ++at) {
    const TrackedChannel& satellite = inView.satellites[static_cast<std::size_t>(at)];
    sentence.append(',');
    appendTwoDigits(sentence, satellite.satellite);
    sentence.append(',');
    const SatelliteDirection* direction = sky.find(satellite.satellite);
    if (direction != nullptr && direction->elevation >= 0) appendTwoDigits(sentence, direction->elevation);
    sentence.append(',');
    if (direction != nullptr && direction->azimuth >= 0) appendThreeDigits(sentence, direction->azimuth);
    sentence.append(',');
    appendTwoDigits(sentence, std::min<int>(satellite.carrierToNoise, kLargestSnr));
  }
  closeSentence(sentence);
  return sentence.fits();
}

std::optional<std::string> positionSentence(std::string_view message) {
  SentenceText sentence;
  if (!writePositionSentence(sentence, message)) return std::nullopt;
  return std::string(sentence.view());
}

std::optional<std::string> channelSentence(std::string_view message, const DilutionsOfPrecision& dilutions) {
  SentenceText sentence;
  if (!writeChannelSentence(sentence, message, dilutions)) return std::nullopt;
  return std::string(sentence.view());
}

std::optional<DilutionsOfPrecision> precisionFromMessage(std::string_view message) {
  namespace at = precision_words;
  if (!holdsDataWord(message, at::kLast)) return std::nullopt;
  return DilutionsOfPrecision{signedMessageWord(message, at::kPosition) / 100.0,
                              signedMessageWord(message, at::kHorizontal) / 100.0,
                              signedMessageWord(message, at::kVertical) / 100.0};
}

void closeSentence(std::string& sentence) {
  const unsigned char checksum = sentenceChecksum(std::string_view(sentence).substr(1));
  sentence += '*';
  sentence += kHexDigits[checksum >> 4];
  sentence += kHexDigits[checksum & 0xF];
}

void closeSentence(SentenceText& sentence) {
  const unsigned char checksum = sentenceChecksum(sentence.view().substr(1));
  sentence.append('*');
  sentence.append(kHexDigits[checksum >> 4]);
  sentence.append(kHexDigits[checksum & 0xF]);
}

std::string finishSentence(std::string_view body) {
  std::string sentence;
  sentence.reserve(body.size() + 4);
  sentence += '$';
  sentence += body;
  closeSentence(sentence);
  return sentence;
}

}  // namespace vx
