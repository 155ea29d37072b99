// SPDX-License-Identifier: MIT
// A place on Earth in signed decimal degrees, and how it is told: to a
// person ("52.0626 N 5.1385 E") and to the entries that take unsigned
// degrees with a hemisphere letter apart.
#pragma once

#include <string>

namespace vx {

struct GeoPoint {
  double latitude = 0;   // north positive, -90 to 90
  double longitude = 0;  // east positive, -180 to 180
};

// True where both coordinates lie in their ranges (and are numbers).
bool isOnEarth(const GeoPoint& point);

// Unsigned degrees to four decimals, as the entries take them: "52.0626".
std::string degreesText(double degrees);
inline std::string latitudeHemisphere(const GeoPoint& point) { return point.latitude < 0 ? "S" : "N"; }
inline std::string longitudeHemisphere(const GeoPoint& point) { return point.longitude < 0 ? "W" : "E"; }

// "52.0626 N 5.1385 E".
std::string describe(const GeoPoint& point);

}  // namespace vx
