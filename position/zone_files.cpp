// SPDX-License-Identifier: MIT
#include "position/zone_files.h"

#include <cstdlib>

#include "common/whole_file.h"
#include "position/zone_table.h"

namespace vx {
namespace {

std::string zoneinfoFolder() {
  const char* folder = std::getenv("TZDIR");
  return folder && *folder ? folder : "/usr/share/zoneinfo";
}

// tzdata's tables are a few hundred KiB at most.
constexpr off_t kLargestZoneTable = 4 << 20;

// The file's text; empty where it cannot be read or is no table.
std::string readText(const std::string& path) {
  return readRegularFile(path, kLargestZoneTable, "larger than any zone table").contents.value_or("");
}

}  // namespace

std::optional<ZoneReference> zoneReference(const std::string& zoneId) {
  if (zoneId.empty()) return {};
  const std::string folder = zoneinfoFolder();
  const std::string zone = canonicalZone(readText(folder + "/tzdata.zi"), zoneId);
  for (const char* table : {"/zone.tab", "/zone1970.tab"}) {
    if (const auto point = zonePoint(readText(folder + table), zone)) return ZoneReference{zone, *point};
  }
  return {};
}

}  // namespace vx
