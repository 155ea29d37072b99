// SPDX-License-Identifier: MIT
#include "tools/vxinit/gpsd_fix_learning.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "common/printable_text.h"
#include "gpsd/gpsd_connection.h"
#include "gpsd/gpsd_link.h"
#include "gpsd/gpsd_watch.h"
#include "position/geo_point.h"
#include "tools/cli/cli.h"
#include "tools/vxinit/last_fix.h"
#include "tools/vxinit/service_notice.h"

namespace vx {
namespace {

// The watch's deadline where the run has none.
constexpr auto kLongestWatch = std::chrono::hours(24 * 365);

}  // namespace

bool gpsdAnswers() { return gpsdAddressProblem().empty() && askGpsdForDevices().has_value(); }

std::string gpsdAddressProblem() {
  const char* given = std::getenv("KESTRUNE_GPSD");
  if (given == nullptr || *given == '\0' || splitGpsdAddress(given)) return {};
  return "KESTRUNE_GPSD=\"" + printableText(given) + "\" is not host:port (localhost:2947, say): no gpsd is asked";
}

bool rememberFix(const std::string& stateFile, const GeoPoint& point, const std::string& source) {
  try {
    writeStateFile(stateFile, point);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "vxinit: %s\n", error.what());
    tellStatus(std::string("Fix ") + describe(point) + " not remembered: " + error.what());
    return false;
  }
  const std::string said = "fix " + describe(point) + source + " written to " + stateFile;
  std::fprintf(stderr, "vxinit: %s\n", said.c_str());
  tellStatus("Last " + said);
  return true;
}

int learnFixFromGpsd(const FixLearning& learning) {
  const Moment deadline = learning.deadline.value_or(std::chrono::steady_clock::now() + kLongestWatch);
  std::fprintf(stderr, "vxinit: watching %s through gpsd at %s for its first fix\n", learning.device.c_str(),
               gpsdAddress().c_str());
  const std::optional<GpsdFix> fix = watchGpsdForFix(gpsdAddress(), learning.device, deadline, learning.signalFd);
  if (fix) {
    return rememberFix(learning.stateFile, {fix->latitude, fix->longitude}, " (from gpsd)") ? cli::kExitOk
                                                                                           : cli::kExitFailure;
  }
  if (const auto signal = takeEndingSignal(learning.signalFd)) {
    std::fprintf(stderr, "vxinit: %s, no longer watching gpsd\n", strsignal(*signal));
    return cli::exitAfterSignal(*signal);
  }
  const std::string said = std::chrono::steady_clock::now() >= deadline
                               ? learning.deadlineNotice
                               : "gpsd gave up " + learning.device + " before its first fix";
  std::fprintf(stderr, "vxinit: %s\n", said.c_str());
  tellStatus("No fix learnt: " + said);
  return cli::kExitTimeout;
}

}  // namespace vx
