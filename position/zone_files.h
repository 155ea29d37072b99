// SPDX-License-Identifier: MIT
// The reference point of a time zone from the system's tzdata:
// $TZDIR (else /usr/share/zoneinfo) holds tzdata.zi for the links,
// zone.tab, then zone1970.tab for the points.
#pragma once

#include <optional>
#include <string>

#include "position/geo_point.h"

namespace vx {

struct ZoneReference {
  std::string zone;  // the canonical name the point was found under
  GeoPoint point;
};

// Empty where the zone (or the link it is) has no point in either table, or
// the tables cannot be read.
std::optional<ZoneReference> zoneReference(const std::string& zoneId);

}  // namespace vx
