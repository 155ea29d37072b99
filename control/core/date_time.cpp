// SPDX-License-Identifier: MIT
#include "control/core/date_time.h"

#include <chrono>
#include <cmath>
#include <stdexcept>

#include "common/rounding.h"

namespace vx {
namespace {

std::chrono::sys_seconds toSysSeconds(const DateTime& t) {
  using namespace std::chrono;
  const sys_days day =
      year{t.year} / month{static_cast<unsigned>(t.month)} / std::chrono::day{static_cast<unsigned>(t.day)};
  return day + hours{t.hour} + minutes{t.minute} + seconds{t.second};
}

}  // namespace

int hoursToUtc(int utcOffsetSeconds) { return static_cast<int>(roundHalfToEven(-utcOffsetSeconds / 3600.0)); }

DateTime addSeconds(const DateTime& start, double seconds) {
  using namespace std::chrono;
  // A whole number of seconds the calendar can hold (some 3,000 years
  // either way); beyond that, or not a number, there is no date to give.
  constexpr double kLongestStep = 1e11;
  if (!(std::fabs(seconds) <= kLongestStep)) throw std::out_of_range("a time step beyond the calendar");
  const sys_seconds when = toSysSeconds(start) + std::chrono::seconds(static_cast<long long>(std::floor(seconds)));
  const sys_days day = floor<days>(when);
  const year_month_day date{day};
  const hh_mm_ss time{when - day};
  return {static_cast<int>(date.year()),
          static_cast<int>(static_cast<unsigned>(date.month())),
          static_cast<int>(static_cast<unsigned>(date.day())),
          static_cast<int>(time.hours().count()),
          static_cast<int>(time.minutes().count()),
          static_cast<int>(time.seconds().count())};
}

double secondsBetween(const DateTime& a, const DateTime& b) {
  return static_cast<double>((toSysSeconds(b) - toSysSeconds(a)).count());
}

DateTime toUtc(const DateTime& local, int hoursToUtc) { return addSeconds(local, hoursToUtc * 3600.0); }

DateTime utcForReceiver(const LocalTime& now, int hoursToUtcSetting, std::optional<int> offsetWhenSet) {
  const std::optional<int>& offsetNow = now.utcOffsetSeconds;
  const bool wasClocksOwn = offsetWhenSet && hoursToUtc(*offsetWhenSet) == hoursToUtcSetting;
  if (wasClocksOwn && offsetNow) return addSeconds(now.time, -*offsetNow);
  return toUtc(now.time, hoursToUtcSetting);
}

}  // namespace vx
