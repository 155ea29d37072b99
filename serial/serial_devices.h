// SPDX-License-Identifier: MIT
// What stands behind the serial ports, told for people: the device each
// port opens and whether it is there, the USB serial adapters plugged in,
// and the command that makes one of them a port. Used where a port is
// chosen (the program's port list, vxinit --list-ports) and where it
// fails to open. No Qt: the kernel's device tree in /sys tells the USB
// adapters, so that vxinit links none.
#pragma once

#include <string>
#include <vector>

#include "common/translated_text.h"

namespace vx {

// The ports a user chooses from: 1 to 4.
inline constexpr int kListedPorts = 4;

struct SerialAdapter {
  std::string device;       // /dev/ttyUSB0
  std::string description;  // what the adapter says of itself; may be empty
};
using SerialAdapters = std::vector<SerialAdapter>;

// The USB serial adapters present now (ttyUSB, ttyACM and the like), by name.
SerialAdapters usbSerialAdapters();

// "1: /dev/ttyUSB0 (USB serial adapter)", "2: /dev/ttyS1 (no device)";
// what the device is in `translated`'s words (none: English).
std::string describePort(int port, const SerialAdapters& adapters, const Translator& translated = nullptr);

// The one command that makes `device` port `port`, with the user's real
// folder: "ln -sf /dev/ttyUSB0 /home/you/.config/vx/com1", behind
// "mkdir -p ... &&" while the folder is missing.
std::string linkCommand(int port, const std::string& device);

// For a port that failed to open: the adapters present other than the
// device tried, and the one command that makes the first of them port
// `port`. Empty when there is no other adapter. In `translated`'s words
// (none: English).
std::string adapterAdvice(int port, const std::string& deviceTried, const SerialAdapters& adapters,
                          const Translator& translated = nullptr);

}  // namespace vx
