// SPDX-License-Identifier: MIT
// libFuzzer entry for tzdata's tables as the zone files hold them: the
// input is read as zone1970.tab / zone.tab text and as tzdata.zi links,
// asked for a zone named by its first line.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "position/zone_table.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const std::string_view zone = input.substr(0, input.find('\n'));
  for (const std::string_view asked : {zone, std::string_view("Europe/Amsterdam"), std::string_view("US/Eastern")}) {
    if (const auto point = vx::zonePoint(input, asked)) {
      if (!vx::isOnEarth(*point)) std::abort();
    }
    vx::canonicalZone(input, asked);
  }
  vx::parseIso6709(zone);
  return 0;
}
