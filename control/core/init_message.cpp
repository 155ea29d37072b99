// SPDX-License-Identifier: MIT
#include "control/core/init_message.h"

#include <cmath>

#include "common/number_text.h"
#include "common/rounding.h"
#include "control/core/codecs.h"
#include "control/core/message_builder.h"
#include "control/core/message_layout.h"

namespace vx {
namespace {

namespace at = init_words;

constexpr uint16_t kTakeTimeAndPosition = 13;  // the settings word: which fields the receiver takes

// 1e8 / 65536 to six decimals: scales radians to the upper half of a count
// of 1e-8 radian.
constexpr double kRadiansToPositionWord = 1525.878906;

uint16_t word16(int value) { return static_cast<uint16_t>(value); }

}  // namespace

void InitTemplate::fill(const DateTime& utc, uint16_t latitudeWord, uint16_t longitudeWord) {
  utc_ = utc;
  latitudeWord_ = latitudeWord;
  longitudeWord_ = longitudeWord;
}

std::string InitTemplate::encode(uint16_t& sequence) const {
  MessageWords words(at::kDataWords);
  words.set(at::kSequence, ++sequence).set(at::kSettings, kTakeTimeAndPosition);
  words.set(at::kDay, word16(utc_.day)).set(at::kMonth, word16(utc_.month)).set(at::kYear, word16(utc_.year));
  words.set(at::kHours, word16(utc_.hour)).set(at::kMinutes, word16(utc_.minute));
  words.set(at::kSeconds, word16(utc_.second));
  words.set(at::kLatitude, latitudeWord_).set(at::kLongitude, longitudeWord_);
  return words.build(kInitMessageId);
}

namespace {

// Degrees from a position word: the upper half of a count of 1e-8 radian.
double degreesFromWord(uint16_t word) {
  return codec::cdeg(static_cast<int16_t>(word) * 65536.0 / 100000000.0);
}

}  // namespace

std::optional<InitMessageContent> decodeInitMessage(std::string_view bytes) {
  const auto word = [bytes](int n) { return messageWord(bytes, n); };
  if (bytes.size() != kInitMessageBytes || word(header_words::kSync) != kSyncWord ||
      word(header_words::kId) != kInitMessageId || word(header_words::kDataWordCount) != at::kDataWords ||
      !headerChecksumHolds(bytes) || !dataChecksumHolds(bytes)) {
    return std::nullopt;
  }
  InitMessageContent content;
  content.sequence = word(at::kSequence);
  content.utc = {word(at::kYear), word(at::kMonth), word(at::kDay), word(at::kHours), word(at::kMinutes),
                 word(at::kSeconds)};
  content.latitude = degreesFromWord(word(at::kLatitude));
  content.longitude = degreesFromWord(word(at::kLongitude));
  return content;
}

std::string describe(const InitMessageContent& content) {
  const DateTime& t = content.utc;
  const auto two = [](int value) { return formatFixed(value, 2, 0); };
  return "init #" + std::to_string(content.sequence) + ": " + formatFixed(t.year, 4, 0) + "-" + two(t.month) +
         "-" + two(t.day) + " " + two(t.hour) + ":" + two(t.minute) + ":" + two(t.second) + " UTC, " +
         formatFixed(std::fabs(content.latitude), 1, 2) + (content.latitude < 0 ? " S " : " N ") +
         formatFixed(std::fabs(content.longitude), 1, 2) + (content.longitude < 0 ? " W" : " E");
}

uint16_t positionWord(double degrees) {
  if (!std::isfinite(degrees)) return 0;
  const double scaled = codec::crad(degrees) * kRadiansToPositionWord;
  if (!std::isfinite(scaled)) return 0;
  // Ties go to the even neighbour, as everywhere. The word is 16 bits wide:
  // negative angles wrap as two's complement, and a nonsense setting far
  // beyond a full turn wraps too instead of failing the receive path.
  double wrapped = std::fmod(roundHalfToEven(scaled), 65536.0);
  if (wrapped < 0) wrapped += 65536.0;
  return static_cast<uint16_t>(wrapped);
}

}  // namespace vx
