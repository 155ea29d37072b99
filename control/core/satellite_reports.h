// SPDX-License-Identifier: MIT
// What the receiver reports of its satellites: the channels of message
// 1002 (which satellite each tracks, with what signal, and whether the fix
// uses it) and the satellites in view that message 1003 lists with their
// elevation and azimuth. The $GPGSV group is written from them.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "control/core/message_layout.h"

namespace vx {

struct TrackedChannel {
  uint8_t status = 0;           // bit 0: used in the fix
  uint8_t satellite = 0;        // 0: no satellite on the channel
  uint16_t carrierToNoise = 0;  // C/No, dB-Hz
  bool usedInFix() const { return (status & 1) != 0; }
};

using ChannelReport = std::array<TrackedChannel, channel_words::kChannels>;

// The twelve channels of message 1002. False, and `report` left as it
// was, when the message ends before the last channel's C/No.
bool readChannelReport(ChannelReport& report, std::string_view message);

// The satellites on the channels, each once (a receiver may search for one
// on several channels), in the order of the first channel each is on, with
// the strongest C/No any of its channels has.
struct ChannelSatellites {
  std::array<TrackedChannel, channel_words::kChannels> satellites;
  int count = 0;
};
ChannelSatellites channelSatellites(const ChannelReport& report);

// A satellite in view, its angles in whole degrees; -1 where the receiver
// gave none or one out of range (elevation 0 to 90, azimuth 0 to 359).
struct SatelliteDirection {
  uint16_t satellite = 0;
  int16_t elevation = -1;
  int16_t azimuth = -1;
};

struct SkyView {
  int count = 0;
  std::array<SatelliteDirection, precision_words::kMostVisible> satellites;
  // The satellite's entry, or nullptr when the view does not list it.
  const SatelliteDirection* find(int satellite) const;
};

// The satellites in view that message 1003 lists: none when it ends
// behind the dilutions, or gives a count above twelve; of a list cut
// short, those the message holds.
SkyView skyViewFromMessage(std::string_view message);

}  // namespace vx
