// SPDX-License-Identifier: MIT
// Talking to a running gpsd: its service port, where any user may ask
// which devices it has ("?DEVICES;"), and its control socket, where
// whoever may write to it adds and removes devices, as gpsdctl does. Every
// wait is bounded: a gpsd that is not there answers at once (the connection
// is refused), something that listens but does not speak costs half a
// second at most, and one that never stops speaking a few seconds and a
// few hundred kilobytes. No Qt.
#pragma once

#include <chrono>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "gpsd/gpsd_connection.h"
#include "gpsd/gpsd_devices.h"

namespace vx {

// How long a start waits for whatever listens at gpsdAddress() to speak:
// gpsd greets each client at once.
inline constexpr std::chrono::milliseconds kGpsdGreetingLimit{500};
// How long the whole question may take, from connecting to the list of
// devices, on a busy machine.
inline constexpr std::chrono::milliseconds kGpsdReplyLimit{3000};
// How much may come before the list: gpsd sends its banner, then the list.
inline constexpr std::size_t kGpsdReplySizeLimit = 256 * 1024;

// gpsd's devices, asked at gpsdAddress(); nullopt when nothing there speaks
// within `greetingLimit`, the list does not follow within kGpsdReplyLimit
// and kGpsdReplySizeLimit, or `wakeFd` (-1: none) becomes readable.
std::optional<std::vector<GpsdDevice>> askGpsdForDevices(
    std::chrono::milliseconds greetingLimit = kGpsdGreetingLimit, int wakeFd = -1);

enum class GpsdControlAnswer {
  kOk,           // "OK"
  kRefused,      // "ERROR": a device to remove that gpsd does not have, or one to add that does not speak GPS
  kUnreachable,  // no control socket, not ours to write to, or no answer in time
  kUnsafePath,   // a path that would not be one command line (see isSafeDevicePath): never sent
};

// Writes "+device" (add) or "-device" (remove) to gpsd's `controlSocket`
// and waits up to `limit` for the answer. gpsd answers an add only once it
// has heard the device speak: seconds.
GpsdControlAnswer tellGpsd(char addOrRemove, const std::string& device, std::chrono::milliseconds limit,
                           const std::string& controlSocket = gpsdControlSocket());

}  // namespace vx
