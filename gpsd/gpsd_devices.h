// SPDX-License-Identifier: MIT
// What gpsd says of its devices, read from its reply to "?DEVICES;": the
// devices it knows, whether it has each open, and whether it has heard a
// GPS on it; and which of them is a given serial device. No I/O but the
// resolving of links: gpsd_link.h does the talking. No Qt.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vx {

struct GpsdDevice {
  std::string path;      // as gpsd names it: /dev/ttyUSB0, /dev/gps0
  bool open = false;     // "activated" is there: gpsd has the device open and reads it
  bool seenGps = false;  // bit 1 of "flags": gpsd has heard a GPS speak on it
};

// The devices of one line of gpsd's (without its line end) when it is a
// DEVICES object; nullopt for any other line. A device whose path holds a
// control character, a quote or a backslash is left out: it could not be
// written to gpsd's control socket or shown as it is.
std::optional<std::vector<GpsdDevice>> readGpsdDevicesLine(std::string_view line);

// The entry of `devices` that is `device` once both have their links
// resolved (gpsd's /dev/gps0 and a port's link to /dev/ttyUSB0 are one
// device); nullopt when gpsd does not know it.
std::optional<GpsdDevice> gpsdEntryFor(const std::vector<GpsdDevice>& devices, const std::string& device);

}  // namespace vx
