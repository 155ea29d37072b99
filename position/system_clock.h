// SPDX-License-Identifier: MIT
// The computer's clock, the one place that reads it. The control hands it
// to the protocol core as the clock the wake reply reads; the program and
// the tools ask it what the computer's time and zone are now.
#pragma once

#include "control/core/date_time.h"

namespace vx {

// The local date and time with the zone's offset from UTC at this moment
// (summer time included).
LocalTime systemLocalTime();

// The UTC date and time.
DateTime systemUtc();

}  // namespace vx
