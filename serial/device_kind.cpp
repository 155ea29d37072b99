// SPDX-License-Identifier: MIT
#include "serial/device_kind.h"

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <climits>

namespace vx {
namespace {

// The kernel's numbers for the terminal ends of pseudo-terminals (devices.txt: 136 to 143).
constexpr unsigned kFirstPseudoTerminalMajor = 136;
constexpr unsigned kLastPseudoTerminalMajor = 143;

bool exists(const std::string& path) { return ::access(path.c_str(), F_OK) == 0; }

std::string linkTarget(const std::string& path) {
  char target[PATH_MAX];
  const ssize_t length = ::readlink(path.c_str(), target, sizeof target);
  return length < 0 ? std::string() : std::string(target, static_cast<std::size_t>(length));
}

}  // namespace

DeviceKind deviceKind(const std::string& path) {
  struct stat status {};
  if (::stat(path.c_str(), &status) != 0) return DeviceKind::kMissing;
  if (!S_ISCHR(status.st_mode)) return DeviceKind::kOther;
  const unsigned major = ::major(status.st_rdev);
  if (major >= kFirstPseudoTerminalMajor && major <= kLastPseudoTerminalMajor) return DeviceKind::kPseudoTerminal;
  // The tty layer also holds the consoles and /dev/tty; only a serial line has a device behind it.
  const std::string node = "/sys/dev/char/" + std::to_string(major) + ":" + std::to_string(::minor(status.st_rdev));
  const bool ttyLayer = linkTarget(node + "/subsystem").ends_with("/class/tty");
  return ttyLayer && exists(node + "/device") ? DeviceKind::kSerialLine : DeviceKind::kOther;
}

}  // namespace vx
