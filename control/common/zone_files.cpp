// SPDX-License-Identifier: MIT
#include "zone_files.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "zone_table.h"

namespace vx {
namespace {

std::string zoneinfoFolder() {
  const char* folder = std::getenv("TZDIR");
  return folder && *folder ? folder : "/usr/share/zoneinfo";
}

// The file's text; empty where it cannot be read.
std::string readText(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
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
