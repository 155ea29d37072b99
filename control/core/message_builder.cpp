// SPDX-License-Identifier: MIT
#include "control/core/message_builder.h"

#include <array>

#include "control/core/message_layout.h"

namespace vx {
namespace {

void appendWord(std::string& out, uint16_t word) {
  out += static_cast<char>(word & 0xFF);
  out += static_cast<char>(word >> 8);
}

}  // namespace

MessageWords& MessageWords::set(int word, uint16_t value) {
  data_.at(static_cast<std::size_t>(word - kFirstDataWord)) = value;
  return *this;
}

MessageWords& MessageWords::set32(int firstWord, int32_t value) {
  const auto bits = static_cast<uint32_t>(value);
  set(firstWord, static_cast<uint16_t>(bits & 0xFFFF));
  return set(firstWord + 1, static_cast<uint16_t>(bits >> 16));
}

MessageWords& MessageWords::setLowByte(int word, uint8_t value) {
  uint16_t& slot = data_.at(static_cast<std::size_t>(word - kFirstDataWord));
  slot = static_cast<uint16_t>((slot & 0xFF00) | value);
  return *this;
}

std::string MessageWords::build(uint16_t id, uint16_t flags) const { return buildMessage(id, data_, flags); }

uint16_t checksumWord(std::span<const uint16_t> words) {
  uint16_t sum = 0;
  for (uint16_t word : words) sum = static_cast<uint16_t>(sum + word);
  return static_cast<uint16_t>(-sum);
}

std::string buildMessage(uint16_t id, std::span<const uint16_t> dataWords, uint16_t flags) {
  const std::array<uint16_t, 4> header{kSyncWord, id, static_cast<uint16_t>(dataWords.size()), flags};
  std::string out;
  out.reserve(12 + 2 * dataWords.size());
  for (uint16_t word : header) appendWord(out, word);
  appendWord(out, checksumWord(header));
  if (dataWords.empty()) return out;
  for (uint16_t word : dataWords) appendWord(out, word);
  appendWord(out, checksumWord(dataWords));
  return out;
}

}  // namespace vx
