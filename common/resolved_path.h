// SPDX-License-Identifier: MIT
// The file a path leads to through its links: how two names of one device
// (a port's link, gpsd's /dev/gps0, /dev/ttyUSB0) are found to be one.
#pragma once

#include <string>

namespace vx {

// The canonical path of `path`; `path` as it is where nothing is there.
std::string resolvedPath(const std::string& path);

}  // namespace vx
