// SPDX-License-Identifier: MIT
// Learning a device's first fix from a running gpsd: a client of gpsd's
// service port that watches one device ("?WATCH" with its path, JSON) and
// takes the first report of a position from that device. No Qt, so that
// vxinit's service path uses it without linking Qt Widgets.
//
// Every wait is bounded by the caller's deadline and may be cut short by a
// file descriptor (a signalfd, say): whatever gpsd, or something posing as
// gpsd, sends. Lines longer than gpsd writes are dropped unread; reports of
// other devices, other classes and fixes without a position are passed by.
#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

#include "position/geo_point.h"

namespace vx {

// A fix as gpsd reports it: signed degrees, north and east positive.
using GpsdFix = GeoPoint;

// What one line of the watch stream says of the watched device.
struct GpsdWatchNews {
  enum class Kind {
    kNothing,  // another device, another class, no fix yet, or not gpsd's JSON
    kFix,      // a TPV of the device in mode 2 or 3 with a latitude and longitude in range
    kGone,     // gpsd closed the device ("activated" 0) or removed it
    kAppeared,  // gpsd opened the device (a DEVICE with "activated" a time): a watch asked before now takes
    kWatching,  // gpsd's answer to "?WATCH": the watch is on
  };
  Kind kind = Kind::kNothing;
  GpsdFix fix;  // for kFix
};

// Reads one line of gpsd's watch stream (without its line end) for
// `devicePath`, as gpsd names the device.
GpsdWatchNews readGpsdWatchLine(std::string_view line, std::string_view devicePath);

// The first fix gpsd at `address` (host:port, see gpsd_connection.h)
// reports for `devicePath`, sent "?WATCH={"enable":true,"json":true,
// "device":"<path>"};". Where gpsd closes the connection (a restart) it is
// asked again until `deadline`. nullopt at `deadline`, when `wakeFd`
// (-1: none) becomes readable, when gpsd drops the device, or when
// `devicePath` holds what a JSON string or gpsd cannot carry (a control
// character, a quote, a backslash). Never blocks past `deadline`.
std::optional<GpsdFix> watchGpsdForFix(const std::string& address, const std::string& devicePath,
                                       std::chrono::steady_clock::time_point deadline, int wakeFd);

}  // namespace vx
