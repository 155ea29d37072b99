// SPDX-License-Identifier: MIT
// What a port's path leads to, found without opening it: opening a serial
// line switches its DTR and RTS lines on, and some receivers draw their
// power from them.
#pragma once

#include <string>

namespace vx {

enum class DeviceKind {
  kMissing,         // nothing there (a dangling link included)
  kSerialLine,      // a character device of the kernel's tty layer with hardware behind it: ttyS, ttyUSB, ttyACM
  kPseudoTerminal,  // the terminal end of a pseudo-terminal, as a stand-in receiver uses
  kOther,           // a folder, a file, /dev/null: something no receiver talks through
};

// Follows links; the kernel's device tree in /sys tells serial lines apart.
DeviceKind deviceKind(const std::string& path);

}  // namespace vx
