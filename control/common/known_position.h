// SPDX-License-Identifier: MIT
// Where a position with nothing typed comes from, first that exists: what
// the user gave; the last valid fix remembered; the reference point of the
// computer's time zone; else none. The program and vxinit gather the
// candidates each from its own places and take the first here.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "geo_point.h"

namespace vx {

struct KnownPosition {
  GeoPoint point;
  std::string origin;  // for people: "the last fix in ~/.config/Kestrune.ini"
};

// The candidates in the order above, an empty one where that source has none.
std::optional<KnownPosition> firstKnown(const std::vector<std::optional<KnownPosition>>& inOrder);

// The candidate of the computer's time zone `zoneId` ("Europe/Amsterdam",
// "US/Eastern"), from tzdata; its origin names the zone.
std::optional<KnownPosition> timeZonePosition(const std::string& zoneId);

}  // namespace vx
