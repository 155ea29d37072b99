// SPDX-License-Identifier: MIT
#include "computer_zone.h"

#include <QTimeZone>

#include "date_time.h"

namespace kestrune {

ComputerZone computerZone() {
  return {vx::systemLocalTime().utcOffsetSeconds.value_or(0), QString::fromUtf8(QTimeZone::systemTimeZoneId())};
}

}  // namespace kestrune
