// SPDX-License-Identifier: MIT
// What vxinit does before it writes to the device, when it is to listen
// first (--listen, or no position to give): a device that is not a
// receiver of this family, or says nothing within the limit, is left alone
// with nothing written to it and its line set back as it was found; so is
// a sleeping receiver that there is no position for, under --listen.
// Without --listen such a receiver's lines are printed as they come,
// unanswered.
#pragma once

#include <optional>
#include <string>

#include "tools/vxinit/receiver_session.h"

namespace vx {

struct ListenOutcome {
  std::optional<int> exitCode;  // end here with this status
  bool echo = false;            // print a sleeping receiver's lines, unanswered
  // A receiver of this family left asleep for want of a position: its fix
  // may still be learnt from whoever wakes it.
  bool asleepWithoutPosition = false;
  std::string said;  // what was said of the device, for a service's status
};

// `limitSeconds` 0: listen without a limit (and never leave a sleeping
// receiver alone for want of a position).
ListenOutcome listenFirst(ReceiverSession& session, SerialLine& line, double limitSeconds, bool havePosition);

}  // namespace vx
