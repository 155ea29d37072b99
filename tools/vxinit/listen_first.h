// SPDX-License-Identifier: MIT
// What vxinit does before the control opens the port, when it is to listen
// first (--listen, or no position to give): a device that is not a receiver
// of this family, or says nothing within the limit, is left alone with
// nothing written to it; so is a sleeping receiver that there is no
// position for, under --listen. Without --listen such a receiver's lines are
// printed as they come, unanswered.
#pragma once

#include <QString>
#include <memory>
#include <optional>

#include "device_listener.h"

namespace vx {

// The device was left alone: nothing to do, which a service counts as success.
inline constexpr int kExitLeftAlone = 4;

struct ListenOutcome {
  std::optional<int> exitCode;              // end here with this status
  std::unique_ptr<DeviceListener> echoing;  // printing a sleeping receiver's lines
};

// `limitSeconds` 0: listen without a limit (and never leave a sleeping
// receiver alone for want of a position).
ListenOutcome listenFirst(const QString& device, double limitSeconds, bool havePosition);

}  // namespace vx
