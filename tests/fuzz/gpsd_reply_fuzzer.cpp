// SPDX-License-Identifier: MIT
// libFuzzer entry for what gpsd (or whatever listens on its port) sends:
// the reply to "?DEVICES;" and the watch stream, line by line as the
// connection hands them over.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "gpsd/gpsd_connection.h"
#include "gpsd/gpsd_devices.h"
#include "gpsd/gpsd_watch.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  for (std::string_view rest = input; !rest.empty();) {
    const std::size_t end = rest.find('\n');
    const std::string_view line = rest.substr(0, end);
    if (const auto devices = vx::readGpsdDevicesLine(line)) {
      for (const vx::GpsdDevice& device : *devices) {
        if (!vx::isSafeDevicePath(device.path)) std::abort();  // never handed on
      }
    }
    const vx::GpsdWatchNews news = vx::readGpsdWatchLine(line, "/dev/ttyUSB0");
    if (news.kind == vx::GpsdWatchNews::Kind::kFix && !vx::isOnEarth(news.fix)) std::abort();  // never out of range
    rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
  }
  return 0;
}
