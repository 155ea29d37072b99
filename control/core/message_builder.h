// SPDX-License-Identifier: MIT
// Builds binary messages in the receiver's format: 16-bit little-endian
// words, the sync word 0xFF 0x81, id, data word count, flags and header
// checksum, then the data words and their checksum (message_layout.h).
//
// The receive path never builds messages (it reads them with
// message_checksum.h); the initialisation message, the tools that play the
// receiver's side and the tests do.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "control/core/message_checksum.h"
#include "control/core/message_layout.h"

namespace vx {

// The data words of one message, set by their word numbers in the message
// (word 1 is the sync word, data starts at word 6); all zero to begin with.
class MessageWords {
 public:
  static constexpr int kFirstDataWord = header_words::kFirstDataWord;

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

}  // namespace vx
