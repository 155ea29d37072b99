// SPDX-License-Identifier: MIT
#include "control/core/satellite_reports.h"

#include <algorithm>
#include <bitset>
#include <cmath>

#include "control/core/codecs.h"
#include "control/core/message_checksum.h"

namespace vx {
namespace {

// Whole degrees of an angle in 1e-4 radian.
int wholeDegrees(int tenThousandthsOfRadian) {
  return static_cast<int>(std::lround(codec::cdeg(tenThousandthsOfRadian / 10000.0)));
}

int16_t elevationDegrees(int16_t word) {
  const int degrees = wholeDegrees(word);
  return static_cast<int16_t>(degrees >= 0 && degrees <= 90 ? degrees : -1);
}

// A bearing that rounds up to 360 is north.
int16_t azimuthDegrees(uint16_t word) {
  const int degrees = wholeDegrees(word);
  if (degrees == 360) return 0;
  return static_cast<int16_t>(degrees < 360 ? degrees : -1);
}

}  // namespace

bool readChannelReport(ChannelReport& report, std::string_view message) {
  namespace at = channel_words;
  if (!holdsDataWord(message, at::kLastSignal)) return false;
  for (int channel = 0; channel < at::kChannels; ++channel) {
    report[static_cast<std::size_t>(channel)] = {lowByte(message, at::status(channel)),
                                                 lowByte(message, at::satellite(channel)),
                                                 messageWord(message, at::carrierToNoise(channel))};
  }
  return true;
}

ChannelSatellites channelSatellites(const ChannelReport& report) {
  ChannelSatellites list;
  std::bitset<256> listed;
  for (const TrackedChannel& channel : report) {
    if (channel.satellite == 0) continue;
    if (!listed.test(channel.satellite)) {
      listed.set(channel.satellite);
      list.satellites[static_cast<std::size_t>(list.count++)] = channel;
      continue;
    }
    for (TrackedChannel& earlier : list.satellites) {
      if (earlier.satellite == channel.satellite) {
        earlier.carrierToNoise = std::max(earlier.carrierToNoise, channel.carrierToNoise);
        break;
      }
    }
  }
  return list;
}

const SatelliteDirection* SkyView::find(int satellite) const {
  for (int i = 0; i < count; ++i) {
    if (satellites[static_cast<std::size_t>(i)].satellite == satellite) return &satellites[static_cast<std::size_t>(i)];
  }
  return nullptr;
}

SkyView skyViewFromMessage(std::string_view message) {
  namespace at = precision_words;
  SkyView view;
  if (!holdsDataWord(message, at::kVisibleCount)) return view;
  const int listed = messageWord(message, at::kVisibleCount);
  if (listed > at::kMostVisible) return view;
  while (view.count < listed && holdsDataWord(message, at::elevation(view.count))) {
    const int index = view.count++;
    const int16_t elevation = signedMessageWord(message, at::elevation(index));
    view.satellites[static_cast<std::size_t>(index)] = {messageWord(message, at::visibleSatellite(index)),
                                                        elevationDegrees(elevation),
                                                        azimuthDegrees(messageWord(message, at::azimuth(index)))};
  }
  return view;
}

}  // namespace vx
