// SPDX-License-Identifier: MIT
#include "gpsd/gpsd_devices.h"

#include <nlohmann/json.hpp>

#include "common/resolved_path.h"
#include "gpsd/device_activation.h"
#include "gpsd/gpsd_connection.h"

namespace vx {
namespace {

using Json = nlohmann::json;

constexpr int kSeenGpsFlag = 0x01;

bool hasSeenGps(const Json& device) {
  const auto flags = device.find("flags");
  return flags != device.end() && flags->is_number_integer() && (flags->get<long long>() & kSeenGpsFlag) != 0;
}

}  // namespace

std::optional<std::vector<GpsdDevice>> readGpsdDevicesLine(std::string_view line) {
  const Json object = Json::parse(line.begin(), line.end(), nullptr, false);
  if (!object.is_object()) return std::nullopt;
  const auto kind = object.find("class");
  if (kind == object.end() || *kind != "DEVICES") return std::nullopt;
  const auto devices = object.find("devices");
  if (devices == object.end() || !devices->is_array()) return std::nullopt;
  std::vector<GpsdDevice> parsed;
  for (const Json& device : *devices) {
    if (!device.is_object()) continue;
    const auto path = device.find("path");
    if (path == device.end() || !path->is_string() || !isSafeDevicePath(path->get_ref<const std::string&>())) continue;
    parsed.push_back({path->get<std::string>(), deviceActivated(device).value_or(false), hasSeenGps(device)});
  }
  return parsed;
}

std::optional<GpsdDevice> gpsdEntryFor(const std::vector<GpsdDevice>& devices, const std::string& device) {
  const std::string wanted = resolvedPath(device);
  for (const GpsdDevice& known : devices) {
    if (resolvedPath(known.path) == wanted) return known;
  }
  return std::nullopt;
}

}  // namespace vx
