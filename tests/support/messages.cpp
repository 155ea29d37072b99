#include "messages.h"

#include "message_builder.h"

namespace vx::test {

constexpr int kFirstDataWord = 6;

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

std::string MessageWords::build(uint16_t id) const { return buildMessage(id, data_); }

std::string positionMessage(const Position& p, int dataWords) {
  MessageWords words(dataWords);
  words.set(22, p.hours).set(23, p.minutes).set(24, p.seconds).setLowByte(10, p.status);
  words.set32(27, p.latitude).set32(29, p.longitude).set32(34, static_cast<int32_t>(p.speed));
  words.set(36, p.course).set(19, p.day).set(20, p.month).set(21, p.year);
  words.set(37, static_cast<uint16_t>(p.variation));
  return words.build(1000);
}

std::string channelMessage(const std::vector<Channel>& channels, int dataWords) {
  MessageWords words(dataWords);
  for (std::size_t i = 0; i < channels.size(); ++i) {
    const int first = 15 + 3 * static_cast<int>(i);
    words.setLowByte(first, channels[i].status).setLowByte(first + 1, channels[i].satellite);
  }
  return words.build(1002);
}

std::string precisionMessage(int16_t pdop, int16_t hdop, int16_t vdop, int dataWords) {
  MessageWords words(dataWords);
  words.set(10, static_cast<uint16_t>(pdop)).set(11, static_cast<uint16_t>(hdop));
  words.set(12, static_cast<uint16_t>(vdop));
  return words.build(1003);
}

}  // namespace vx::test
