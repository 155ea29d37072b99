// SPDX-License-Identifier: MIT
#include "tools/messages/receiver_messages.h"

#include "control/core/message_layout.h"
#include "control/core/nmea_sentences.h"

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

GpsTime gpsTimeOf(const DateTime& utc) {
  constexpr long kSecondsPerWeek = 7 * 24 * 3600;
  const auto seconds = static_cast<long>(secondsBetween({1980, 1, 6, 0, 0, 0}, utc)) + kGpsLeapSeconds;
  return {static_cast<uint16_t>(seconds / kSecondsPerWeek), static_cast<uint32_t>(seconds % kSecondsPerWeek)};
}

std::string channelMessage(const std::vector<ReceiverChannel>& channels, int dataWords) {
  return channelMessage(channels, GpsTime{}, dataWords);
}

std::string channelMessage(const std::vector<ReceiverChannel>& channels, const GpsTime& time, int dataWords) {
  namespace at = channel_words;
  MessageWords words(dataWords);
  words.set(at::kGpsWeek, time.week).set32(at::kGpsSeconds, static_cast<int32_t>(time.seconds));
  for (std::size_t i = 0; i < channels.size(); ++i) {
    const int channel = static_cast<int>(i);
    words.setLowByte(at::status(channel), channels[i].status);
    words.setLowByte(at::satellite(channel), channels[i].satellite);
    if (channels[i].carrierToNoise != 0) words.set(at::carrierToNoise(channel), channels[i].carrierToNoise);
  }
  return words.build(kChannelMessageId);
}

std::string precisionMessage(const ReceiverPrecision& p, int dataWords) {
  namespace at = precision_words;
  MessageWords words(dataWords);
  const auto word = [](int16_t value) { return static_cast<uint16_t>(value); };
  words.set(at::kGeometric, word(p.gdop)).set(at::kPosition, word(p.pdop));
  words.set(at::kHorizontal, word(p.hdop)).set(at::kVertical, word(p.vdop));
  const bool holdsVisible = header_words::kLast + dataWords >= at::kVisibleCount;
  if (!holdsVisible) return words.build(kPrecisionMessageId);
  words.set(at::kTime, word(p.tdop)).set(at::kVisibleCount, static_cast<uint16_t>(p.visible.size()));
  for (std::size_t i = 0; i < p.visible.size(); ++i) {
    const int index = static_cast<int>(i);
    words.set(at::visibleSatellite(index), p.visible[i].satellite);
    words.set(at::azimuth(index), p.visible[i].azimuth).set(at::elevation(index), word(p.visible[i].elevation));
  }
  return words.build(kPrecisionMessageId);
}

std::string precisionMessage(int16_t pdop, int16_t hdop, int16_t vdop, int dataWords) {
  ReceiverPrecision precision;
  precision.pdop = pdop, precision.hdop = hdop, precision.vdop = vdop;
  return precisionMessage(precision, dataWords);
}

}  // namespace vx
