// SPDX-License-Identifier: MIT
// Where a position with nothing typed comes from, first that exists: what
// the user gave; the last valid fix remembered; the reference point of the
// computer's time zone; else none. The program and vxinit gather the
// candidates each from its own places and take the first here.
#pragma once

#include <functional>
#include <initializer_list>
#include <optional>
#include <string>

#include "position/geo_point.h"

namespace vx {

struct KnownPosition {
  GeoPoint point;
  std::string origin;  // for people: "the last fix in ~/.config/Kestrune.ini"
};

// A source of a position, asked only when the sources before it had none.
using PositionSource = std::function<std::optional<KnownPosition>()>;

// The first position on Earth that the sources, asked in the order above,
// give; the later ones are not asked (the time zone's reads tzdata).
std::optional<KnownPosition> firstKnown(std::initializer_list<PositionSource> inOrder);

// The candidate of the computer's time zone `zoneId` ("Europe/Amsterdam",
// "US/Eastern"), from tzdata; its origin names the zone.
std::optional<KnownPosition> timeZonePosition(const std::string& zoneId);

}  // namespace vx
