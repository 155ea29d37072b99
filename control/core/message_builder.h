// Builds binary messages in the receiver's format: 16-bit little-endian
// words, the sync word 0xFF 0x81, id, data word count, flags and header
// checksum, then the data words and their checksum. Each checksum makes the
// 16-bit sum of the words it covers, itself included, zero.
//
// The receive path never needs this; the tools that play the receiver's
// side and the tests do.
#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace vx {

std::string buildMessage(uint16_t id, std::span<const uint16_t> dataWords, uint16_t flags = 0);

// The checksum word for a run of words.
uint16_t checksumWord(std::span<const uint16_t> words);

}  // namespace vx
