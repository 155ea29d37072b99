// SPDX-License-Identifier: MIT
// The last valid fix, remembered between runs: read from a $GPRMC sentence,
// kept in a state file of vxinit's own (a service's), or read from the
// program's settings file (a user's).
//
// The state file is text, one "key = value" a line, in signed decimal
// degrees (north and east positive); lines starting with "#" are comments:
//
//   # The last valid fix of the receiver, written by vxinit
//   latitude = 52.062600
//   longitude = 5.138500
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "position/geo_point.h"

namespace vx {

// The position of a $GPRMC sentence with a valid fix ("A"); empty otherwise.
std::optional<GeoPoint> rmcPosition(std::string_view sentence);

// The state file's text for `point`, and back; empty where the text is damaged.
std::string stateFileText(const GeoPoint& point);
std::optional<GeoPoint> parseStateFile(std::string_view text);

struct StateFileRead {
  std::optional<GeoPoint> point;
  std::string problem;  // why a file that is there cannot be used; "" when missing or good
};
StateFileRead readStateFile(const std::string& path);

// Replaces the state file atomically: a temporary file beside it, synced,
// renamed over it, the folder synced. Throws std::runtime_error naming the
// path and the reason.
void writeStateFile(const std::string& path, const GeoPoint& point);

// The last fix the program stored in Kestrune.ini ("Lat", "LatHem", "Long",
// "LongHem"); empty where any of them is missing or out of range.
std::optional<GeoPoint> settingsFileFix();
// Where that file is, as a user writes it: "~/.config/Kestrune.ini".
std::string settingsFileShown();

}  // namespace vx
