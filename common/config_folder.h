// SPDX-License-Identifier: MIT
// The user's configuration folder, where the settings file and the port
// links live: $XDG_CONFIG_HOME when it names an absolute folder, else
// ~/.config.
#pragma once

#include <string>

namespace vx {

std::string configFolder();

}  // namespace vx
