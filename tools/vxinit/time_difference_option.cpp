// SPDX-License-Identifier: MIT
#include "tools/vxinit/time_difference_option.h"

#include <cmath>

#include "common/number_text.h"
#include "tools/cli/cli.h"
#include "tools/cli/receiver_options.h"

namespace vx {

std::string ownTimeDifferenceText(const ComputerZone& zone) { return hoursAheadText(-zone.utcOffsetSeconds); }

TimeDifferenceChoice chooseTimeDifference(std::string_view text, const ComputerZone& zone) {
  const double hours = cli::timeDifferenceHours(text);
  if (isOffsetAsShown(-hours, zone.utcOffsetSeconds)) return {};
  const std::string own = ownTimeDifferenceText(zone);
  if (hours != std::trunc(hours)) {
    throw cli::UsageError("--tz " + std::string(text) + " is not whole hours: only this computer's own difference (" +
                          own + ") may have a fraction, which the receiver then gets to the second");
  }
  const std::string given = generalNumber(hours + 0.0);
  const std::string amount = generalNumber(std::fabs(hours)) + (std::fabs(hours) == 1 ? " hour" : " hours");
  return {hours, clockDescription(zone) + ", but --tz is " + given + ": the receiver gets the local time " +
                      (hours < 0 ? "minus " : "plus ") + amount + ", not the exact UTC that leaving --tz out (or --tz " +
                      own + ") gives"};
}

}  // namespace vx
