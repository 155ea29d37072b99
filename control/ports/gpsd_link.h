// SPDX-License-Identifier: MIT
// Talking to a running gpsd: its service port, where any user may ask
// which devices it has ("?DEVICES;"), and its control socket, where
// whoever may write to it adds and removes devices, as gpsdctl does. Every
// wait is bounded: a gpsd that is not there answers at once (the connection
// is refused), something that listens but does not speak costs half a
// second at most.
#pragma once

#include <QByteArray>
#include <QString>
#include <chrono>
#include <optional>

namespace vx {

// gpsd's service port: KESTRUNE_GPSD as host:port, else localhost:2947.
QString gpsdAddress();

// gpsd's control socket: GPSD_SOCKET, else /run/gpsd.sock (as gpsdctl).
QString gpsdControlSocket();

// How long a start waits for whatever listens at gpsdAddress() to speak:
// gpsd greets each client at once.
inline constexpr std::chrono::milliseconds kGpsdGreetingLimit{500};
// How long a gpsd that has greeted may take over its list of devices (a
// busy machine).
inline constexpr std::chrono::milliseconds kGpsdReplyLimit{3000};

// gpsd's reply to "?DEVICES;" up to its DEVICES line; nullopt when
// nothing at gpsdAddress() speaks within `greetingLimit`, or the list does
// not follow within kGpsdReplyLimit.
std::optional<QByteArray> askGpsdForDevices(std::chrono::milliseconds greetingLimit = kGpsdGreetingLimit);

enum class GpsdControlAnswer {
  kOk,           // "OK"
  kRefused,      // "ERROR": a device to remove that gpsd does not have, or one to add that does not speak GPS
  kUnreachable,  // no control socket, not ours to write to, or no answer in time
};

// Writes "+device" (add) or "-device" (remove) to gpsdControlSocket() and
// waits up to `limit` for the answer. gpsd answers an add only once it has
// heard the device speak: seconds.
GpsdControlAnswer tellGpsd(char addOrRemove, const QString& device, std::chrono::milliseconds limit);

}  // namespace vx
