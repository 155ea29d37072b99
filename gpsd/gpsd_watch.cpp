// SPDX-License-Identifier: MIT
#include "gpsd/gpsd_watch.h"

#include <poll.h>

#include <algorithm>
#include <cmath>
#include <nlohmann/json.hpp>
#include <thread>

#include "gpsd/device_activation.h"
#include "gpsd/gpsd_connection.h"

namespace vx {
namespace {

using Json = nlohmann::json;
using namespace std::chrono_literals;

// A restarted gpsd takes a moment to listen again: asked again this often.
constexpr auto kReconnectPause = 200ms;

bool isNumber(const Json& object, const char* key) {
  const auto found = object.find(key);
  return found != object.end() && found->is_number() && std::isfinite(found->get<double>());
}

bool isString(const Json& object, const char* key, std::string_view wanted) {
  const auto found = object.find(key);
  return found != object.end() && found->is_string() && found->get_ref<const std::string&>() == wanted;
}

GpsdWatchNews fixOf(const Json& tpv) {
  if (!isNumber(tpv, "mode") || !isNumber(tpv, "lat") || !isNumber(tpv, "lon")) return {};
  const double mode = tpv["mode"].get<double>();
  const GpsdFix fix{tpv["lat"].get<double>(), tpv["lon"].get<double>()};
  if ((mode != 2 && mode != 3) || !isOnEarth(fix)) return {};
  return {GpsdWatchNews::Kind::kFix, fix};
}

GpsdWatchNews deviceNews(const Json& device) {
  const std::optional<bool> activated = deviceActivated(device);
  if (!activated) return {};
  return {*activated ? GpsdWatchNews::Kind::kAppeared : GpsdWatchNews::Kind::kGone, {}};
}

std::string watchCommand(const std::string& devicePath) {
  return R"(?WATCH={"enable":true,"json":true,"device":")" + devicePath + "\"};\n";
}

enum class Session { kFix, kGone, kOver, kRestarted };

// One connection's watch: the fix, the device gone, the time over (or
// woken), or gpsd gone while time is left. A watch asked before gpsd has
// the device is answered with an error: it is asked again once gpsd has it.
Session watchOnce(GpsdConnection& gpsd, const std::string& devicePath, GpsdClock::time_point deadline, int wakeFd,
                  GpsdFix& fix) {
  if (!gpsd.send(watchCommand(devicePath), deadline)) return Session::kRestarted;
  bool watching = false;
  std::string line;
  for (;;) {
    switch (gpsd.readLine(line, deadline, wakeFd)) {
      case GpsdConnection::Read::kLine:
        break;
      case GpsdConnection::Read::kClosed:
      case GpsdConnection::Read::kFailed:
        return Session::kRestarted;
      case GpsdConnection::Read::kTimedOut:
      case GpsdConnection::Read::kWoken:
        return Session::kOver;
    }
    const GpsdWatchNews news = readGpsdWatchLine(line, devicePath);
    switch (news.kind) {
      case GpsdWatchNews::Kind::kNothing:
        break;
      case GpsdWatchNews::Kind::kFix:
        fix = news.fix;
        return Session::kFix;
      case GpsdWatchNews::Kind::kGone:
        return Session::kGone;
      case GpsdWatchNews::Kind::kWatching:
        watching = true;
        break;
      case GpsdWatchNews::Kind::kAppeared:
        if (!watching && !gpsd.send(watchCommand(devicePath), deadline)) return Session::kRestarted;
        watching = true;
        break;
    }
  }
}

// Sleeps `pause` unless `deadline` comes first or `wakeFd` wakes; false when the watch is over.
bool pauseBeforeAsking(GpsdClock::time_point deadline, int wakeFd) {
  const auto until = std::min(deadline, GpsdClock::now() + kReconnectPause);
  if (wakeFd < 0) {
    std::this_thread::sleep_until(until);
  } else {
    pollfd wake{wakeFd, POLLIN, 0};
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(until - GpsdClock::now()).count();
    if (::poll(&wake, 1, static_cast<int>(std::max<long long>(left, 0))) > 0) return false;
  }
  return GpsdClock::now() < deadline;
}

}  // namespace

GpsdWatchNews readGpsdWatchLine(std::string_view line, std::string_view devicePath) {
  const Json report = Json::parse(line.begin(), line.end(), nullptr, false);
  if (!report.is_object()) return {};
  if (isString(report, "class", "TPV") && isString(report, "device", devicePath)) return fixOf(report);
  if (isString(report, "class", "DEVICE") && isString(report, "path", devicePath)) return deviceNews(report);
  if (isString(report, "class", "WATCH") && isString(report, "device", devicePath)) {
    return {GpsdWatchNews::Kind::kWatching, {}};
  }
  return {};
}

std::optional<GpsdFix> watchGpsdForFix(const std::string& address, const std::string& devicePath,
                                       GpsdClock::time_point deadline, int wakeFd) {
  if (!isSafeDevicePath(devicePath)) return std::nullopt;
  for (;;) {
    GpsdConnection gpsd = GpsdConnection::toService(address, deadline);
    GpsdFix fix;
    const Session session = gpsd.connected() ? watchOnce(gpsd, devicePath, deadline, wakeFd, fix) : Session::kRestarted;
    if (session == Session::kFix) return fix;
    if (session != Session::kRestarted || !pauseBeforeAsking(deadline, wakeFd)) return std::nullopt;
  }
}

}  // namespace vx
