// SPDX-License-Identifier: MIT
#include "gpsd/gpsd_link.h"

#include <algorithm>

namespace vx {

std::optional<std::vector<GpsdDevice>> askGpsdForDevices(std::chrono::milliseconds greetingLimit, int wakeFd) {
  const auto started = GpsdClock::now();
  const auto greetingDeadline = started + greetingLimit;
  const auto deadline = started + std::max(greetingLimit, kGpsdReplyLimit);
  GpsdConnection gpsd = GpsdConnection::toService(gpsdAddress(), greetingDeadline);
  if (!gpsd.connected() || !gpsd.send("?DEVICES;\n", greetingDeadline)) return std::nullopt;
  std::string line;
  if (gpsd.readLine(line, greetingDeadline, wakeFd) != GpsdConnection::Read::kLine) return std::nullopt;
  do {
    if (auto devices = readGpsdDevicesLine(line)) return devices;
  } while (gpsd.receivedBytes() <= kGpsdReplySizeLimit &&
           gpsd.readLine(line, deadline, wakeFd) == GpsdConnection::Read::kLine);
  return std::nullopt;
}

GpsdControlAnswer tellGpsd(char addOrRemove, const std::string& device, std::chrono::milliseconds limit,
                           const std::string& controlSocket) {
  if (!isSafeDevicePath(device)) return GpsdControlAnswer::kUnsafePath;
  const auto deadline = GpsdClock::now() + limit;
  GpsdConnection control = GpsdConnection::toControlSocket(controlSocket, deadline);
  if (!control.connected() || !control.send(addOrRemove + device + '\n', deadline)) {
    return GpsdControlAnswer::kUnreachable;
  }
  std::string answer;
  if (control.readLine(answer, deadline) != GpsdConnection::Read::kLine) return GpsdControlAnswer::kUnreachable;
  return answer.starts_with("OK") ? GpsdControlAnswer::kOk : GpsdControlAnswer::kRefused;
}

}  // namespace vx
