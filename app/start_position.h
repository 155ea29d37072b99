// SPDX-License-Identifier: MIT
// The position the location screen starts with when the settings file
// holds none: the reference point of the computer's time zone, and the
// note that says where it came from.
#pragma once

#include <QString>
#include <optional>

namespace kestrune {

struct StartPosition {
  QString latitude;         // unsigned degrees, "52.3667"
  QString latHemisphere;    // "N" or "S"
  QString longitude;        // unsigned degrees, "4.9000"
  QString longHemisphere;   // "E" or "W"
  QString note;             // "From this computer's time zone, Europe/Amsterdam: ..."
};

// Empty where the computer's zone has no point in tzdata (UTC, say).
std::optional<StartPosition> timeZoneStartPosition(const QString& zoneId);

}  // namespace kestrune
