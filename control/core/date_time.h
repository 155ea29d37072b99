// SPDX-License-Identifier: MIT
// Calendar date and time of day, as the clock reports them and as the
// initialisation message carries them.
#pragma once

#include <functional>
#include <optional>

namespace vx {

struct DateTime {
  int year = 0;
  int month = 0;   // 1 to 12
  int day = 0;     // 1 to 31
  int hour = 0;    // 0 to 23
  int minute = 0;
  int second = 0;

  friend bool operator==(const DateTime&, const DateTime&) = default;
};

// A reading of the local clock: the local date and time and, where the
// clock knows it, how many seconds the computer's zone is ahead of UTC at
// that moment (negative west of Greenwich; summer time included). A bare
// date and time converts to a reading whose zone is unknown.
struct LocalTime {
  LocalTime(DateTime time = {}, std::optional<int> utcOffsetSeconds = std::nullopt)
      : time(time), utcOffsetSeconds(utcOffsetSeconds) {}

  DateTime time;
  std::optional<int> utcOffsetSeconds;
};

// Supplies the local time; injected so that tests and tools fix both the
// time and the zone.
using LocalClock = std::function<LocalTime()>;

// A zone's offset from UTC as a time difference in the control's
// convention: whole hours to add to local time to get UTC (positive west
// of Greenwich), halves going to the even neighbour as the TimeZone
// property rounds. India (+5:30) gives -6, Newfoundland (-3:30) 4.
int hoursToUtc(int utcOffsetSeconds);

// The calendar arithmetic, through the real calendar (months, leap years):
// `start` moved by whole seconds (a fraction is dropped towards the past),
// and the seconds from `a` to `b`. A step that is not a number or lies
// beyond 1e11 seconds (some 3,000 years) fails with std::out_of_range.
DateTime addSeconds(const DateTime& start, double seconds);
double secondsBetween(const DateTime& a, const DateTime& b);

// UTC from local time and the time difference in whole hours (the amount
// to add to local time to get UTC, positive west of Greenwich). The day
// carries through the real calendar: months, leap years and years.
DateTime toUtc(const DateTime& local, int hoursToUtc);

// UTC for the initialisation message. `offsetWhenSet` is how far the clock
// was ahead of UTC when the host set the time difference, where the clock
// knew. A time difference that was then the clock's own gets the clock's
// exact UTC now, to the second: half-hour and 45-minute zones included, and
// whatever the clock's zone did since (summer time that began or ended
// between the setting and the wake reply). Any other difference is one the
// host chose on purpose, and is added to local time as it stands.
DateTime utcForReceiver(const LocalTime& now, int hoursToUtc, std::optional<int> offsetWhenSet);

}  // namespace vx
