// SPDX-License-Identifier: MIT
#include "receiver_messages.h"

#include "message_layout.h"
#include "nmea_sentences.h"

namespace vx {

std::string positionMessage(const ReceiverPosition& p, int dataWords) {
  namespace at = position_words;
  MessageWords words(dataWords);
  words.set(at::kHours, p.hours).set(at::kMinutes, p.minutes).set(at::kSeconds, p.seconds);
  words.setLowByte(at::kStatus, p.status);
  words.set32(at::kLatitude, p.latitude).set32(at::kLongitude, p.longitude);
  words.set32(at::kSpeed, static_cast<int32_t>(p.speed)).set(at::kCourse, p.course);
  words.set(at::kDay, p.day).set(at::kMonth, p.month).set(at::kYear, p.year);
  words.set(at::kVariation, static_cast<uint16_t>(p.variation));
  return words.build(kPositionMessageId);
}

std::string channelMessage(const std::vector<ReceiverChannel>& channels, int dataWords) {
  MessageWords words(dataWords);
  for (std::size_t i = 0; i < channels.size(); ++i) {
    const int channel = static_cast<int>(i);
    words.setLowByte(channel_words::status(channel), channels[i].status);
    words.setLowByte(channel_words::satellite(channel), channels[i].satellite);
  }
  return words.build(kChannelMessageId);
}

std::string precisionMessage(int16_t pdop, int16_t hdop, int16_t vdop, int dataWords) {
  namespace at = precision_words;
  MessageWords words(dataWords);
  words.set(at::kPosition, static_cast<uint16_t>(pdop)).set(at::kHorizontal, static_cast<uint16_t>(hdop));
  words.set(at::kVertical, static_cast<uint16_t>(vdop));
  return words.build(kPrecisionMessageId);
}

}  // namespace vx
