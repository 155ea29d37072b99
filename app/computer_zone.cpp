// SPDX-License-Identifier: MIT
#include "computer_zone.h"

#include <QDateTime>
#include <QTimeZone>

namespace kestrune {

ComputerZone computerZone() {
  return {QDateTime::currentDateTime().offsetFromUtc(), QString::fromUtf8(QTimeZone::systemTimeZoneId())};
}

}  // namespace kestrune
