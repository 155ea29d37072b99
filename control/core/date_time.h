// Calendar date and time of day, as the clock reports them and as the
// initialisation message carries them.
#pragma once

#include <functional>

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

// Supplies the local date and time; injected so that tests and tools fix it.
using LocalClock = std::function<DateTime()>;

// The system's local date and time, and the UTC date and time.
DateTime systemLocalTime();
DateTime systemUtc();

// The calendar arithmetic, through the real calendar (months, leap years):
// `start` moved by whole seconds (a fraction is dropped towards the past),
// and the seconds from `a` to `b`.
DateTime addSeconds(const DateTime& start, double seconds);
double secondsBetween(const DateTime& a, const DateTime& b);

// UTC from local time and the time difference in whole hours (the amount
// to add to local time to get UTC, positive west of Greenwich). The day
// carries through the real calendar: months, leap years and years.
DateTime toUtc(const DateTime& local, int hoursToUtc);

}  // namespace vx
