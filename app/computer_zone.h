// SPDX-License-Identifier: MIT
// The computer's own time zone as it stands now, summer time included: what
// the location screen offers as the time difference.
#pragma once

#include <QString>

namespace kestrune {

struct ComputerZone {
  int utcOffsetSeconds;  // ahead of UTC; negative west of Greenwich
  QString name;          // "Europe/Amsterdam"; empty where the system names none
};

ComputerZone computerZone();

}  // namespace kestrune
