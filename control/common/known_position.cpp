// SPDX-License-Identifier: MIT
#include "known_position.h"

#include "zone_files.h"

namespace vx {

std::optional<KnownPosition> firstKnown(const std::vector<std::optional<KnownPosition>>& inOrder) {
  for (const auto& candidate : inOrder) {
    if (candidate && isOnEarth(candidate->point)) return candidate;
  }
  return {};
}

std::optional<KnownPosition> timeZonePosition(const std::string& zoneId) {
  const auto reference = zoneReference(zoneId);
  if (!reference) return {};
  return KnownPosition{reference->point, "this computer's time zone, " + zoneId};
}

}  // namespace vx
