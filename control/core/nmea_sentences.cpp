// SPDX-License-Identifier: MIT
#include "nmea_sentences.h"

#include <array>
#include <cmath>
#include <cstdint>

#include "codecs.h"
#include "number_text.h"

namespace vx {
namespace {

using codec::cdeg;

// The last word each handler reads.
constexpr int kPositionLastWord = 37;
constexpr int kChannelLastWord = 49;
constexpr int kPrecisionLastWord = 12;

// NMEA speeds are in knots; the receiver reports centimetres per second.
constexpr double kKnotsPerMetreSecond = 1.943844;

constexpr int kChannels = 12;

// `count` words of the message starting at word `first` (counting from 1).
std::string_view words(std::string_view message, int first, int count = 1) {
  return message.substr(static_cast<std::size_t>(2 * first - 2), static_cast<std::size_t>(2 * count));
}

double unsignedWord(std::string_view message, int word) { return codec::cvui(words(message, word)); }

// True when word `last` is a data word: the message holds it and, behind
// it, the data checksum, which is never read as a field.
bool holdsDataWord(std::string_view message, int last) {
  return message.size() >= static_cast<std::size_t>(2 * last + 2);
}

// Degrees and minutes, "ddmm.mmmm" (or "dddmm.mmmm"), from the absolute
// angle; minutes that round up to 60 carry into the degrees.
void appendAngle(std::string& body, double angle, int degreeDigits) {
  const double magnitude = std::fabs(angle);
  double degrees = std::floor(magnitude);
  std::string minutes = formatFixed((magnitude - degrees) * 60.0, 2, 4);
  if (minutes == "60.0000") {
    degrees += 1;
    minutes = "00.0000";
  }
  appendFixed(body, degrees, degreeDigits, 0);
  body += minutes;
}

void appendSignedAngle(std::string& body, double angle, int degreeDigits, const char* positive,
                       const char* negative) {
  appendAngle(body, angle, degreeDigits);
  body += angle >= 0 ? positive : negative;
}

void appendTwoDigits(std::string& body, double value) { appendFixed(body, value, 2, 0); }

}  // namespace

std::optional<std::string> positionSentence(std::string_view message) {
  if (!holdsDataWord(message, kPositionLastWord)) return std::nullopt;
  std::string body = "GPRMC,";
  appendTwoDigits(body, unsignedWord(message, 22));  // hours
  appendTwoDigits(body, unsignedWord(message, 23));  // minutes
  appendTwoDigits(body, unsignedWord(message, 24));  // seconds
  body += ',';
  // Status: the low byte of word 10; 0 is a valid fix.
  body += message[18] == '\0' ? "A," : "V,";
  appendSignedAngle(body, cdeg(codec::cvdi(words(message, 27, 2)) / 100000000.0), 2, ",N,", ",S,");
  appendSignedAngle(body, cdeg(codec::cvdi(words(message, 29, 2)) / 100000000.0), 3, ",E,", ",W,");
  appendFixed(body, codec::cvudi(words(message, 34, 2)) * kKnotsPerMetreSecond / 100.0, 2, 2);
  body += ',';
  appendFixed(body, cdeg(unsignedWord(message, 36) / 1000.0), 3, 1);
  body += ',';
  appendTwoDigits(body, unsignedWord(message, 19));  // day
  appendTwoDigits(body, unsignedWord(message, 20));  // month
  body += formatFixed(unsignedWord(message, 21), 4, 0).substr(2, 2);  // year, two digits
  body += ',';
  const double variation = cdeg(codec::cvi(words(message, 37)) / 10000.0);
  appendFixed(body, std::fabs(variation), 2, 1);
  body += variation >= 0 ? ",E" : ",W";
  return finishSentence(body);
}

std::optional<std::string> channelSentence(std::string_view message,
                                           const DilutionsOfPrecision& dilutions) {
  if (!holdsDataWord(message, kChannelLastWord)) return std::nullopt;
  std::array<int16_t, kChannels> used{};
  for (int channel = 0; channel < kChannels; ++channel) {
    const auto status = static_cast<unsigned char>(message[28 + 6 * channel]);
    const auto satellite = static_cast<unsigned char>(message[30 + 6 * channel]);
    if (status & 1) used[channel] = satellite;
  }
  std::string body = "GPGSA,A,3,";
  for (int16_t satellite : used) {
    if (satellite > 0) {
      appendTwoDigits(body, satellite);
      body += ',';
    }
  }
  for (int16_t satellite : used) {
    if (satellite == 0) body += ',';
  }
  appendFixed(body, dilutions.position, 1, 2);
  body += ',';
  appendFixed(body, dilutions.horizontal, 1, 2);
  body += ',';
  appendFixed(body, dilutions.vertical, 1, 2);
  return finishSentence(body);
}

std::optional<DilutionsOfPrecision> precisionFromMessage(std::string_view message) {
  if (!holdsDataWord(message, kPrecisionLastWord)) return std::nullopt;
  return DilutionsOfPrecision{codec::cvi(words(message, 10)) / 100.0,
                              codec::cvi(words(message, 11)) / 100.0,
                              codec::cvi(words(message, 12)) / 100.0};
}

std::string finishSentence(std::string_view body) {
  unsigned char checksum = 0;
  for (char c : body) checksum ^= static_cast<unsigned char>(c);
  std::string sentence;
  sentence.reserve(body.size() + 4);
  sentence += '$';
  sentence += body;
  sentence += '*';
  sentence += kHexDigits[checksum >> 4];
  sentence += kHexDigits[checksum & 0xF];
  return sentence;
}

}  // namespace vx
