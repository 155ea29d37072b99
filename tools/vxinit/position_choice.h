// SPDX-License-Identifier: MIT
// vxinit's position when none is given: the last fix remembered (the state
// file where one is named, a service's, else the program's settings file,
// a user's), then the computer's time zone, else none. Says on standard
// error when a state file is there but cannot be used.
#pragma once

#include <optional>
#include <string>

#include "position/known_position.h"

namespace vx {

// `stateFile` is "" when vxinit runs without one.
std::optional<KnownPosition> choosePosition(const std::string& stateFile);

// Why there is none, for the message that says nothing will be sent.
std::string whyNoPosition(const std::string& stateFile);

}  // namespace vx
