// SPDX-License-Identifier: MIT
#include "control/core/message_checksum.h"

#include <bit>
#include <cstring>

#include "control/core/message_layout.h"

namespace vx {

bool checksumHolds(std::string_view message, int first, int last) {
  // Four words at a time, alternate words summed apart in 32-bit lanes: a
  // message of at most 65535 words cannot overflow a lane.
  static_assert(std::endian::native == std::endian::little, "words are read as the wire has them");
  constexpr uint64_t kEvenWords = 0x0000FFFF0000FFFF;
  const char* word = message.data() + 2 * (first - 1);
  const char* const end = message.data() + 2 * last;
  uint64_t lanes = 0;
  for (; word + 8 <= end; word += 8) {
    uint64_t four;
    std::memcpy(&four, word, sizeof four);  // little-endian, as the words are
    lanes += (four & kEvenWords) + ((four >> 16) & kEvenWords);
  }
  auto sum = static_cast<uint32_t>(lanes + (lanes >> 32));
  for (; word < end; word += 2) sum += static_cast<unsigned char>(word[0]) | static_cast<unsigned char>(word[1]) << 8;
  return static_cast<uint16_t>(sum) == 0;
}

bool headerChecksumHolds(std::string_view message) {
  return checksumHolds(message, header_words::kFirst, header_words::kLast);
}

bool dataChecksumHolds(std::string_view message) {
  return checksumHolds(message, header_words::kFirstDataWord, static_cast<int>(message.size() / 2));
}

}  // namespace vx
