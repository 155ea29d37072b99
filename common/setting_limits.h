// SPDX-License-Identifier: MIT
// The ranges a user's entries must lie in, wherever they are entered (the
// program's location screen, vxinit's options): degrees without their
// hemisphere, and hours from UTC.
#pragma once

#include <string>

namespace vx {

inline constexpr double kLargestLatitude = 90;
inline constexpr double kLargestLongitude = 180;
inline constexpr int kLargestTimeDifference = 14;  // hours: no place on Earth is further from UTC

// "-14 to 14", as messages and help texts name the range.
inline std::string timeDifferenceRange() {
  return std::to_string(-kLargestTimeDifference) + " to " + std::to_string(kLargestTimeDifference);
}

}  // namespace vx
