// SPDX-License-Identifier: MIT
#include "receiver_messages.h"

#include "nmea_sentences.h"

namespace vx {

std::string positionMessage(const ReceiverPosition& p, int dataWords) {
  MessageWords words(dataWords);
  words.set(22, p.hours).set(23, p.minutes).set(24, p.seconds).setLowByte(10, p.status);
  words.set32(27, p.latitude).set32(29, p.longitude).set32(34, static_cast<int32_t>(p.speed));
  words.set(36, p.course).set(19, p.day).set(20, p.month).set(21, p.year);
  words.set(37, static_cast<uint16_t>(p.variation));
  return words.build(kPositionMessageId);
}

std::string channelMessage(const std::vector<ReceiverChannel>& channels, int dataWords) {
  MessageWords words(dataWords);
  for (std::size_t i = 0; i < channels.size(); ++i) {
    const int first = 15 + 3 * static_cast<int>(i);
    words.setLowByte(first, channels[i].status).setLowByte(first + 1, channels[i].satellite);
  }
  return words.build(kChannelMessageId);
}

std::string precisionMessage(int16_t pdop, int16_t hdop, int16_t vdop, int dataWords) {
  MessageWords words(dataWords);
  words.set(10, static_cast<uint16_t>(pdop)).set(11, static_cast<uint16_t>(hdop));
  words.set(12, static_cast<uint16_t>(vdop));
  return words.build(kPrecisionMessageId);
}

}  // namespace vx
