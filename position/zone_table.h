// SPDX-License-Identifier: MIT
// The reference points of time zones, read from tzdata's tables as text:
// no files opened here (zone_files.h does that).
//
// zone.tab and zone1970.tab hold one zone a line, fields apart by tabs:
// country codes, the point in ISO 6709 form (+DDMM+DDDMM or
// +DDMMSS+DDDMMSS, sign first), the zone's name, and a comment. Lines
// starting with "#" are comments. tzdata.zi names each link on a line
// "L TARGET LINK".
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "position/geo_point.h"

namespace vx {

// "+5222+00454" -> 52.3667, 4.9; "+404251-0740023" -> 40.7142, -74.0064.
// Empty for anything else.
std::optional<GeoPoint> parseIso6709(std::string_view coordinates);

// The point of `zone` in a zone table's text; empty where the table does
// not name it.
std::optional<GeoPoint> zonePoint(std::string_view table, std::string_view zone);

// The zone a link such as "US/Eastern" stands for ("America/New_York"),
// following links of links, from tzdata.zi's text; `zone` itself where it
// is no link.
std::string canonicalZone(std::string_view links, std::string_view zone);

}  // namespace vx
