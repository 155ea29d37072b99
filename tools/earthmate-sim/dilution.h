// SPDX-License-Identifier: MIT
// The dilutions of precision of a set of satellites, from their directions
// as the receiver sees them: the square roots of the diagonal of the
// inverse of G^T G, G holding a row (east, north, up, 1) per satellite. So
// they agree as a receiver's do: PDOP^2 = HDOP^2 + VDOP^2, GDOP^2 = PDOP^2 + TDOP^2.
#pragma once

#include <optional>
#include <vector>

namespace vx::sim {

struct Direction {
  double elevation = 0;  // degrees
  double azimuth = 0;    // degrees
};

struct Dilutions {
  double geometric = 0, position = 0, horizontal = 0, vertical = 0, time = 0;
};

// Nothing for fewer than four satellites, or for four whose geometry fixes nothing.
std::optional<Dilutions> dilutionsOf(const std::vector<Direction>& satellites);

}  // namespace vx::sim
