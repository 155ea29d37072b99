// SPDX-License-Identifier: MIT
// vxinit's one way of waiting: for the serial line to have bytes, for a
// signal that ends the run (SIGHUP, SIGINT, SIGTERM, read from a
// signalfd), or for a moment to come, whichever is first. poll() sleeps
// until then, so no wait is a busy loop however short its limit.
#pragma once

#include <chrono>
#include <optional>

namespace vx {

using Moment = std::chrono::steady_clock::time_point;

// Blocks SIGHUP, SIGINT and SIGTERM and returns a descriptor that becomes
// readable when one arrives; -1 where it cannot be made (they then end the
// program as they would by default).
int blockEndingSignals();

// The signal waiting on `signalFd`, taken; nothing when none is.
std::optional<int> takeEndingSignal(int signalFd);

enum class Woken { kLine, kSignal, kTime };

// Waits for `lineFd` (-1: no line) to be readable or hang up, `signalFd` to
// be readable, or `until` (nothing: no limit).
Woken waitFor(int lineFd, int signalFd, std::optional<Moment> until);

// The earlier of two moments, either possibly none.
std::optional<Moment> earlier(std::optional<Moment> a, std::optional<Moment> b);

// Now plus `seconds`; nothing for 0 (no limit).
std::optional<Moment> after(double seconds);

}  // namespace vx
