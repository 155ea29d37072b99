// SPDX-License-Identifier: MIT
#include "gpsd/gpsd_devices.h"

#include <nlohmann/json.hpp>
#include <filesystem>
#include <system_error>

#include "gpsd/gpsd_connection.h"

namespace vx {
namespace {

using Json = nlohmann::json;

constexpr int kSeenGpsFlag = 0x01;

// gpsd writes "activated" as a time while the device is open and leaves it
// out when it is closed; older releases wrote a number, 0 when closed.
bool isActivated(const Json& device) {
  const auto activated = device.find("activated");
  if (activated == device.end()) return false;
  if (activated->is_string()) return !activated->get_ref<const std::string&>().empty();
  if (activated->is_number()) return activated->get<double>() != 0;
  return false;
}

bool hasSeenGps(const Json& device) {
  const auto flags = device.find("flags");
  return flags != device.end() && flags->is_number_integer() && (flags->get<long long>() & kSeenGpsFlag) != 0;
}

// The device's own path, its links resolved; a path that is not there stays as it is.
std::string realPath(const std::string& path) {
  std::error_code error;
  const std::filesystem::path real = std::filesystem::canonical(path, error);
  return error ? path : real.string();
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
    parsed.push_back({path->get<std::string>(), isActivated(device), hasSeenGps(device)});
  }
  return parsed;
}

std::optional<std::vector<GpsdDevice>> parseGpsdDevices(std::string_view reply) {
  for (std::size_t end = reply.find('\n'); end != std::string_view::npos; end = reply.find('\n')) {
    if (auto devices = readGpsdDevicesLine(reply.substr(0, end))) return devices;
    reply.remove_prefix(end + 1);
  }
  return std::nullopt;
}

std::optional<GpsdDevice> gpsdEntryFor(const std::vector<GpsdDevice>& devices, const std::string& device) {
  const std::string wanted = realPath(device);
  for (const GpsdDevice& known : devices) {
    if (realPath(known.path) == wanted) return known;
  }
  return std::nullopt;
}

}  // namespace vx
