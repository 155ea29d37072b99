// SPDX-License-Identifier: MIT
#include "position/geo_point.h"

#include <cmath>
#include <cstdio>

#include "common/setting_limits.h"

namespace vx {

bool isOnEarth(const GeoPoint& point) {
  return std::abs(point.latitude) <= kLargestLatitude && std::abs(point.longitude) <= kLargestLongitude;
}

std::string degreesText(double degrees) {
  char text[32];
  std::snprintf(text, sizeof text, "%.4f", std::abs(degrees));
  return text;
}

std::string describe(const GeoPoint& point) {
  return degreesText(point.latitude) + " " + latitudeHemisphere(point) + " " + degreesText(point.longitude) + " " +
         longitudeHemisphere(point);
}

}  // namespace vx
