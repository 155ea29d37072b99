// SPDX-License-Identifier: MIT
#include "tools/vxinit/last_fix.h"

#include <sys/types.h>

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sstream>
#include <stdexcept>

#include "common/config_folder.h"
#include "common/number_text.h"
#include "common/whole_file.h"
#include "control/core/nmea_reader.h"
#include "settings/setting_value.h"
#include "settings/settings_keys.h"

namespace vx {
namespace {

// A state file holds a few lines; one far larger is no state file (a link
// to /dev/zero or to a log is not read at all: readRegularFile).
constexpr off_t kLargestStateFile = 64 << 10;

// A whole text that is a decimal number; empty otherwise.
std::optional<double> wholeNumber(const std::string& text) {
  if (text.empty()) return {};
  char* end = nullptr;
  const double value = std::strtod(text.c_str(), &end);
  if (*end != '\0' || !std::isfinite(value)) return {};
  return value;
}

std::string trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(" \t\r");
  if (first == std::string_view::npos) return {};
  return std::string(text.substr(first, text.find_last_not_of(" \t\r") - first + 1));
}

std::string setting(const char* key) {
  return kestrune::settingValue(kestrune::kSettingsFile, kestrune::kSettingsSection, key);
}

[[noreturn]] void fail(const std::string& what, const std::string& path) {
  throw std::runtime_error("cannot " + what + " " + path + ": " + std::strerror(errno));
}

}  // namespace

std::optional<GeoPoint> rmcPosition(std::string_view sentence) {
  const std::optional<PositionReading> reading = readPositionSentence(sentence);
  if (!reading || !reading->valid) return {};
  return GeoPoint{reading->latitude, reading->longitude};
}

std::string stateFileText(const GeoPoint& point) {
  char text[160];
  std::snprintf(text, sizeof text, "# The last valid fix of the receiver, written by vxinit\nlatitude = %.6f\nlongitude = %.6f\n",
                point.latitude, point.longitude);
  return text;
}

std::optional<GeoPoint> parseStateFile(std::string_view text) {
  std::optional<double> latitude, longitude;
  std::istringstream lines{std::string(text)};
  for (std::string line; std::getline(lines, line);) {
    line = trimmed(line);
    if (line.empty() || line[0] == '#') continue;
    const auto equals = line.find('=');
    if (equals == std::string::npos) return {};
    const std::string key = trimmed(std::string_view(line).substr(0, equals));
    const auto value = wholeNumber(trimmed(std::string_view(line).substr(equals + 1)));
    if (!value || (key != "latitude" && key != "longitude")) return {};
    (key == "latitude" ? latitude : longitude) = value;
  }
  if (!latitude || !longitude || !isOnEarth({*latitude, *longitude})) return {};
  return GeoPoint{*latitude, *longitude};
}

StateFileRead readStateFile(const std::string& path) {
  const std::string tooLarge =
      "it is larger than " + std::to_string(kLargestStateFile >> 10) + " KiB, far more than a fix takes";
  const FileRead file = readRegularFile(path, kLargestStateFile, tooLarge);
  if (file.error == ENOENT) return {};
  if (!file.contents) return {{}, file.problem};
  if (const auto point = parseStateFile(*file.contents)) return {point, {}};
  return {{}, "it does not hold a latitude and a longitude in degrees"};
}

void writeStateFile(const std::string& path, const GeoPoint& point) {
  if (const int error = replaceWholeFile(path, stateFileText(point), 0644); error != 0) {
    errno = error;
    fail("write", path);
  }
}

std::optional<GeoPoint> settingsFileFix() {
  namespace key = kestrune::key;
  const auto latitude = wholeNumber(setting(key::kLat)), longitude = wholeNumber(setting(key::kLong));
  if (!latitude || !longitude || *latitude < 0 || *longitude < 0) return {};
  const GeoPoint point{setting(key::kLatHem) == "S" ? -*latitude : *latitude,
                       setting(key::kLongHem) == "W" ? -*longitude : *longitude};
  if (!isOnEarth(point)) return {};
  return point;
}

std::string settingsFileShown() {
  const std::string path = configFolder() + "/" + kestrune::kSettingsFile;
  const char* home = std::getenv("HOME");
  if (home && *home && path.starts_with(std::string(home) + "/")) return "~" + path.substr(std::strlen(home));
  return path;
}

}  // namespace vx
