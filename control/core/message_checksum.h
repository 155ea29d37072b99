// SPDX-License-Identifier: MIT
// Reading the words of a received message and checking its checksums: the
// part of the message format that the receive path needs. Each checksum
// makes the 16-bit sum of the words it covers, itself included, zero.
#pragma once

#include <cstdint>
#include <string_view>

namespace vx {

// Word `word` (counting from 1) of a message; the message must hold it.
inline uint16_t messageWord(std::string_view message, int word) {
  const auto low = static_cast<unsigned char>(message[static_cast<std::size_t>(2 * word - 2)]);
  const auto high = static_cast<unsigned char>(message[static_cast<std::size_t>(2 * word - 1)]);
  return static_cast<uint16_t>(low | high << 8);
}

// Word `word` read as the signed 16-bit number it carries.
inline int16_t signedMessageWord(std::string_view message, int word) {
  return static_cast<int16_t>(messageWord(message, word));
}

// Words `word` and `word` + 1 as one 32-bit number, the first the low half.
inline uint32_t messageLongWord(std::string_view message, int word) {
  return messageWord(message, word) | uint32_t{messageWord(message, word + 1)} << 16;
}
inline int32_t signedMessageLongWord(std::string_view message, int word) {
  return static_cast<int32_t>(messageLongWord(message, word));
}

// The low byte of a word the message holds.
inline unsigned char lowByte(std::string_view message, int word) {
  return static_cast<unsigned char>(message[static_cast<std::size_t>(2 * word - 2)]);
}

// True when word `last` is a data word: the message holds it and, behind
// it, the data checksum, which is never read as a field.
inline bool holdsDataWord(std::string_view message, int last) {
  return message.size() >= static_cast<std::size_t>(2 * last + 2);
}

// True when words `first` to `last` of a message sum to zero in 16 bits:
// the checksum among them holds. The message must hold them.
bool checksumHolds(std::string_view message, int first, int last);

// The header's checksum over words 1 to 5; `message` holds at least the header.
bool headerChecksumHolds(std::string_view message);

// The data checksum over word 6 to the message's last word.
bool dataChecksumHolds(std::string_view message);

}  // namespace vx
