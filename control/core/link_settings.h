// SPDX-License-Identifier: MIT
// The settings a host gives the link, and their defaults (those of a new
// control, and of a stored one that lacks a value): the five the receiver
// is initialised from, as the host gave them, and which sentences it wants.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "common/number_text.h"
#include "control/core/date_time.h"

namespace vx {

inline constexpr const char* kDefaultLatitude = "42.4413";
inline constexpr const char* kDefaultLatHemisphere = "N";
inline constexpr const char* kDefaultLongitude = "71.2544";  // stored as the number this text reads
inline constexpr const char* kDefaultLongHemisphere = "W";
inline constexpr int16_t kDefaultTimeZone = 5;
// Off: a host that never asked sees the stream it always saw.
inline constexpr bool kDefaultSatellitesInView = false;

struct LinkSettings {
  std::string latitude = kDefaultLatitude;  // text, unchecked; read by the leading-number rule
  std::string latHemisphere = kDefaultLatHemisphere;  // exactly "S" is southern
  double longitude = leadingNumber(kDefaultLongitude);
  std::string longHemisphere = kDefaultLongHemisphere;  // exactly "W" is western
  int16_t timeZone = kDefaultTimeZone;                   // hours to add to local time to get UTC
  // How many seconds the clock was ahead of UTC when timeZone was set, where
  // it knew: whether timeZone was then the clock's own difference decides
  // how the wake reply takes UTC (utcForReceiver).
  std::optional<int> clockOffsetWhenTimeZoneSet;
  // The $GPGSV group of the satellites in view after each $GPGSA.
  bool satellitesInView = kDefaultSatellitesInView;
};

// Sets the time difference and notes the clock's offset at this moment.
inline void setTimeZone(LinkSettings& settings, int16_t hoursToUtc, const LocalTime& now) {
  settings.timeZone = hoursToUtc;
  settings.clockOffsetWhenTimeZoneSet = now.utcOffsetSeconds;
}

}  // namespace vx
