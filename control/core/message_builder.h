// SPDX-License-Identifier: MIT
// Builds binary messages in the receiver's format: 16-bit little-endian
// words, the sync word 0xFF 0x81, id, data word count, flags and header
// checksum, then the data words and their checksum. Each checksum makes the
// 16-bit sum of the words it covers, itself included, zero.
//
// The receive path never needs this; the tools that play the receiver's
// side, the readers of what the control sends, and the tests do.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vx {

// The data words of one message, set by their word numbers in the message
// (word 1 is the sync word, data starts at word 6); all zero to begin with.
class MessageWords {
 public:
  static constexpr int kFirstDataWord = 6;

  explicit MessageWords(int dataWords) : data_(static_cast<std::size_t>(dataWords), 0) {}
  MessageWords& set(int word, uint16_t value);
  MessageWords& set32(int firstWord, int32_t value);  // low word first
  MessageWords& setLowByte(int word, uint8_t value);
  std::string build(uint16_t id, uint16_t flags = 0) const;

 private:
  std::vector<uint16_t> data_;
};

std::string buildMessage(uint16_t id, std::span<const uint16_t> dataWords, uint16_t flags = 0);

// The checksum word for a run of words.
uint16_t checksumWord(std::span<const uint16_t> words);

// Word `word` (counting from 1) of a message; the message must hold it.
uint16_t messageWord(std::string_view message, int word);

// True when words `first` to `last` of a message sum to zero in 16 bits:
// the checksum among them holds.
bool checksumHolds(std::string_view message, int first, int last);

}  // namespace vx
