// SPDX-License-Identifier: MIT
// The computer's own time zone as it stands now, and how it is told to a
// user: what the program offers as the time difference, and what vxinit
// weighs its --tz against. The offset comes from the system clock
// (system_clock.h), so the control, the program and vxinit agree on it.
#pragma once

#include <string>

#include "common/translated_text.h"

namespace vx {

struct ComputerZone {
  int utcOffsetSeconds;  // ahead of UTC, summer time included; negative west of Greenwich
  std::string name;      // "Europe/Amsterdam"; empty where the system names none
};

ComputerZone computerZone();

// The name of the computer's zone: the TZ environment variable's zone
// where it names one (a POSIX rule such as "XXX-5:20" as it stands), else
// the system's (/etc/timezone, or the zone /etc/localtime links to).
std::string computerZoneName();

// An offset in hours ahead of UTC as a user reads it: plain decimal text
// with at most two decimals, "2" for Amsterdam in summer, "5.5" for India,
// "-3.5" for Newfoundland, "5.75" for Nepal, "5.33" for 5 hours 20.
std::string hoursAheadText(int utcOffsetSeconds);

// Whether a user's number of hours ahead of UTC is the offset as
// hoursAheadText shows it: "5.5" and "5.50" are India's, "5" and "5.1" are
// not; "5.33" is 5 hours 20.
bool isOffsetAsShown(double hoursAhead, int utcOffsetSeconds);

// "This computer's clock is 5.5 hours ahead of UTC (Asia/Kolkata)", "...
// is 1 hour behind UTC", "... is on UTC"; the name in brackets where the
// zone has one. `translated` gives a program's own words for the texts it
// is built from (marked for translation in the context "vx").
std::string clockDescription(const ComputerZone& zone, const Translator& translated = nullptr);

}  // namespace vx
