// SPDX-License-Identifier: MIT
// vxinit's --tz: the hours to add to local time to get UTC, as the user
// types them ("-5.5", "0", "+1"), weighed against the computer's own
// difference. The control takes whole hours, but gives the receiver the
// clock's exact UTC whenever it is given the computer's own difference; so
// a fraction of an hour is of use only where it is the computer's own.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "position/computer_zone.h"

namespace vx {

struct TimeDifferenceChoice {
  // What the control is given; nothing for the computer's own difference,
  // worked out afresh when the port opens.
  std::optional<double> hoursToUtc;
  // Said once on standard error: --tz is not the computer's own difference.
  std::string warning;
};

// Reads --tz's value. A number of hours from -14 to 14 that is the
// computer's own difference (to two decimals, as Kestrune shows it) chooses
// the computer's own; any other must be whole hours, and is warned about.
// Throws cli::UsageError for anything else.
TimeDifferenceChoice chooseTimeDifference(std::string_view text, const ComputerZone& zone);

// The computer's own difference in --tz's convention, as the help shows it:
// "-5.5" in India, "5" in New York in winter.
std::string ownTimeDifferenceText(const ComputerZone& zone);

}  // namespace vx
