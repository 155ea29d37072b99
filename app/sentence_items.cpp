// SPDX-License-Identifier: MIT
#include "app/sentence_items.h"

#include <cmath>

namespace kestrune {
namespace {

QString twoDigits(int value) { return QString("%1").arg(value, 2, 10, QChar('0')); }

}  // namespace

QString coordinateText(double degrees) { return QString::number(std::fabs(degrees), 'f', 6); }

QString hemisphereText(double degrees, const char* positive, const char* negative) {
  return std::signbit(degrees) ? negative : positive;
}

QString clockText(const vx::DateTime& utc) {
  return twoDigits(utc.hour) + ":" + twoDigits(utc.minute) + ":" + twoDigits(utc.second);
}

QString dateText(const vx::DateTime& utc) {
  return QString::number(utc.year) + "-" + twoDigits(utc.month) + "-" + twoDigits(utc.day);
}

}  // namespace kestrune
