// SPDX-License-Identifier: MIT
#include "common/config_folder.h"

#include <cstdlib>

namespace vx {

std::string configFolder() {
  const char* config = std::getenv("XDG_CONFIG_HOME");
  if (config != nullptr && config[0] == '/') return config;
  const char* home = std::getenv("HOME");
  return std::string(home != nullptr ? home : "") + "/.config";
}

}  // namespace vx
