#include "init_message.h"

#include <cmath>

#include "codecs.h"
#include "message_builder.h"
#include "number_text.h"

namespace vx {
namespace {

// Placeholders in the template, replaced while encoding.
constexpr int32_t kChecksum = -1;
constexpr int32_t kSequence = -2;
constexpr int32_t kDataWordCount = -3;

constexpr int32_t kWordsSent = 27;
constexpr int32_t kSyncWord = 0x81FF;

// 1e8 / 65536 to six decimals: scales radians to the upper half of a count
// of 1e-8 radian.
constexpr double kRadiansToPositionWord = 1525.878906;

}  // namespace

void InitTemplate::reset() {
  entries_.fill(0);
  entries_[0] = kWordsSent;
  entries_[1] = kSyncWord;
  entries_[2] = kInitMessageId;
  entries_[3] = kDataWordCount;
  entries_[5] = kChecksum;  // header, over words 1 to 4
  entries_[6] = kSequence;
  entries_[7] = 13;
  entries_[27] = kChecksum;  // data, over words 6 to 26
}

void InitTemplate::fill(const DateTime& utc, uint16_t latitudeWord, uint16_t longitudeWord) {
  entries_[11] = utc.day;
  entries_[12] = utc.month;
  entries_[13] = utc.year;
  entries_[14] = utc.hour;
  entries_[15] = utc.minute;
  entries_[16] = utc.second;
  entries_[17] = 0;
  entries_[18] = latitudeWord;
  entries_[19] = 0;
  entries_[20] = longitudeWord;
}

std::string InitTemplate::encode(uint16_t& sequence) const {
  std::string bytes;
  bytes.reserve(kInitMessageBytes);
  int32_t sum = 0;  // of the words since the last checksum, kept within 1..65536
  for (int32_t i = 1; i <= entries_[0]; ++i) {
    int32_t word = entries_[static_cast<std::size_t>(i)];
    if (word == kDataWordCount) word = entries_[0] - 6;
    if (word == kSequence) word = ++sequence;
    if (word == kChecksum) {
      // Makes the 16-bit sum of the covered words, this one included, zero.
      word = (65536 - sum) & 0xFFFF;
      sum = 0;
    } else {
      sum += word;
      if (sum > 65536) sum -= 65536;
    }
    bytes += static_cast<char>(word & 0xFF);
    bytes += static_cast<char>((word >> 8) & 0xFF);
  }
  return bytes;
}

namespace {

// Degrees from a position word: the upper half of a count of 1e-8 radian.
double degreesFromWord(uint16_t word) {
  return codec::cdeg(static_cast<int16_t>(word) * 65536.0 / 100000000.0);
}

}  // namespace

std::optional<InitMessageContent> decodeInitMessage(std::string_view bytes) {
  const auto word = [bytes](int n) { return messageWord(bytes, n); };
  if (bytes.size() != kInitMessageBytes || word(1) != kSyncWord || word(2) != kInitMessageId ||
      word(3) != kWordsSent - 6 || !checksumHolds(bytes, 1, 5) || !checksumHolds(bytes, 6, 27)) {
    return std::nullopt;
  }
  InitMessageContent content;
  content.sequence = word(6);
  content.utc = {word(13), word(12), word(11), word(14), word(15), word(16)};
  content.latitude = degreesFromWord(word(18));
  content.longitude = degreesFromWord(word(20));
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
  // nearbyint rounds ties to the even neighbour. The word is 16 bits wide:
  // negative angles wrap as two's complement, and a nonsense setting far
  // beyond a full turn wraps too instead of failing the receive path.
  double wrapped = std::fmod(std::nearbyint(scaled), 65536.0);
  if (wrapped < 0) wrapped += 65536.0;
  return static_cast<uint16_t>(wrapped);
}

}  // namespace vx
