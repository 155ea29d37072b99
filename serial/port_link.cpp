// SPDX-License-Identifier: MIT
#include "serial/port_link.h"

#include <filesystem>

#include "common/config_folder.h"

namespace vx {

std::string portLinkFolder() { return configFolder() + "/vx"; }

std::string portLinkPath(int port) { return portLinkFolder() + "/com" + std::to_string(port); }

std::string defaultDevicePath(int port) { return "/dev/ttyS" + std::to_string(port - 1); }

std::string portDevicePath(int port) {
  namespace fs = std::filesystem;
  const fs::path link = portLinkPath(port);
  std::error_code error;
  const fs::path target = fs::read_symlink(link, error);
  if (error) return defaultDevicePath(port);
  return (target.is_absolute() ? target : link.parent_path() / target).lexically_normal().string();
}

void linkPort(int port, const std::string& device) {
  namespace fs = std::filesystem;
  const fs::path link = portLinkPath(port);
  fs::create_directories(link.parent_path());
  if (fs::is_symlink(link)) fs::remove(link);
  fs::create_symlink(fs::absolute(device), link);
}

}  // namespace vx
