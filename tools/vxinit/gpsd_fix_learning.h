// SPDX-License-Identifier: MIT
// vxinit under systemd, once it has let the device go: gpsd opens it and
// decodes the fix, and vxinit learns that fix from gpsd (gpsd_watch.h) for
// its state file, so that the next plug-in is warm. Only where gpsd
// answers; elsewhere vxinit keeps the line and reads the fix itself.
#pragma once

#include <optional>
#include <string>

#include "position/geo_point.h"
#include "tools/vxinit/line_wait.h"

namespace vx {

// True when gpsd answers at gpsdAddress() (KESTRUNE_GPSD), which must be
// host:port: it gives its list of devices, within the bounds of that question.
bool gpsdAnswers();

// What is wrong with KESTRUNE_GPSD, said once; "" when it is unset or reads host:port.
std::string gpsdAddressProblem();

struct FixLearning {
  std::string device;     // as gpsd names it
  std::string stateFile;  // where the fix goes
  std::optional<Moment> deadline;
  std::string deadlineNotice;  // said when the deadline comes first
  int signalFd = -1;
};

// Watches `learning.device` through gpsd until its first valid fix, the
// deadline (exit 3), a signal (128 + its number) or gpsd dropping the
// device (exit 3); a fix is written to the state file (exit 0, or 1 when
// it cannot be written).
int learnFixFromGpsd(const FixLearning& learning);

// Writes `point`, learnt from `source`, to `stateFile` and says so; says why
// not and returns false when it cannot be written.
bool rememberFix(const std::string& stateFile, const GeoPoint& point, const std::string& source);

}  // namespace vx
