// SPDX-License-Identifier: MIT
#include "position/known_position.h"

#include "position/zone_files.h"

namespace vx {

std::optional<KnownPosition> firstKnown(std::initializer_list<PositionSource> inOrder) {
  for (const PositionSource& source : inOrder) {
    if (auto candidate = source(); candidate && isOnEarth(candidate->point)) return candidate;
  }
  return {};
}

std::optional<KnownPosition> timeZonePosition(const std::string& zoneId) {
  const auto reference = zoneReference(zoneId);
  if (!reference) return {};
  return KnownPosition{reference->point, "this computer's time zone, " + zoneId};
}

}  // namespace vx
