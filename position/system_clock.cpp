// SPDX-License-Identifier: MIT
#include "position/system_clock.h"

#include <ctime>

namespace vx {
namespace {

DateTime fromTm(const std::tm& t) { return {t.tm_year + 1900, t.tm_mon + 1, t.tm_mday, t.tm_hour, t.tm_min, t.tm_sec}; }

}  // namespace

LocalTime systemLocalTime() {
  // localtime_r, unlike localtime, need not look at the zone again: a zone
  // the user changes while a program runs counts from the next reading.
  tzset();
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return {fromTm(local), static_cast<int>(local.tm_gmtoff)};
}

DateTime systemUtc() {
  const std::time_t now = std::time(nullptr);
  std::tm utc{};
  gmtime_r(&now, &utc);
  return fromTm(utc);
}

}  // namespace vx
