#include "date_time.h"

#include <chrono>
#include <ctime>

namespace vx {

DateTime systemLocalTime() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
          local.tm_hour,        local.tm_min,     local.tm_sec};
}

DateTime toUtc(const DateTime& local, int hoursToUtc) {
  using namespace std::chrono;
  const long hours = static_cast<long>(local.hour) + hoursToUtc;
  const long dayShift = hours >= 0 ? hours / 24 : -((23 - hours) / 24);
  const sys_days localDay =
      year{local.year} / month{static_cast<unsigned>(local.month)} / day{static_cast<unsigned>(local.day)};
  const year_month_day utcDay{localDay + days{dayShift}};
  DateTime utc = local;
  utc.year = static_cast<int>(utcDay.year());
  utc.month = static_cast<int>(static_cast<unsigned>(utcDay.month()));
  utc.day = static_cast<int>(static_cast<unsigned>(utcDay.day()));
  utc.hour = static_cast<int>(hours - dayShift * 24);
  return utc;
}

}  // namespace vx
