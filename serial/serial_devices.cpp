// SPDX-License-Identifier: MIT
#include "serial/serial_devices.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "common/resolved_path.h"
#include "control/error/translatable.h"
#include "serial/device_kind.h"
#include "serial/port_link.h"

namespace vx {
namespace {

namespace fs = std::filesystem;

const char* kindText(DeviceKind kind) {
  switch (kind) {
    case DeviceKind::kMissing: return QT_TRANSLATE_NOOP("vx", "no device");
    case DeviceKind::kSerialLine: return QT_TRANSLATE_NOOP("vx", "serial device");
    case DeviceKind::kPseudoTerminal: return QT_TRANSLATE_NOOP("vx", "pseudo-terminal");
    case DeviceKind::kOther: break;
  }
  return QT_TRANSLATE_NOOP("vx", "not a serial device");
}

std::string firstLine(const fs::path& file) {
  std::ifstream in(file);
  std::string line;
  std::getline(in, line);
  return line;
}

// The USB device a tty's device hangs from: the nearest folder above it
// that carries a vendor id; empty for a tty on no USB device.
fs::path usbDeviceOf(const fs::path& ttyDevice) {
  std::error_code error;
  for (fs::path folder = fs::canonical(ttyDevice, error); !error && folder.has_relative_path();
       folder = folder.parent_path()) {
    if (fs::exists(folder / "idVendor", error)) return folder;
  }
  return {};
}

}  // namespace

SerialAdapters usbSerialAdapters() {
  SerialAdapters adapters;
  std::error_code error;
  for (const fs::directory_entry& tty : fs::directory_iterator("/sys/class/tty", error)) {
    const fs::path usb = usbDeviceOf(tty.path() / "device");
    if (usb.empty()) continue;
    std::string description = firstLine(usb / "product");
    if (description.empty()) description = firstLine(usb / "manufacturer");
    adapters.push_back({"/dev/" + tty.path().filename().string(), description});
  }
  std::sort(adapters.begin(), adapters.end(), [](const auto& a, const auto& b) { return a.device < b.device; });
  return adapters;
}

std::string describePort(int port, const SerialAdapters& adapters, const Translator& translated) {
  const std::string device = portDevicePath(port);
  const char* what = kindText(deviceKind(device));
  for (const SerialAdapter& adapter : adapters) {
    if (resolvedPath(adapter.device) == resolvedPath(device)) what = QT_TRANSLATE_NOOP("vx", "USB serial adapter");
  }
  return std::to_string(port) + ": " + device + " (" + translatedText(what, translated) + ")";
}

std::string linkCommand(int port, const std::string& device) {
  const std::string folder = portLinkFolder();
  const std::string command = "ln -sf " + device + " " + portLinkPath(port);
  std::error_code error;
  return fs::is_directory(folder, error) ? command : "mkdir -p " + folder + " && " + command;
}

std::string adapterAdvice(int port, const std::string& deviceTried, const SerialAdapters& adapters,
                          const Translator& translated) {
  std::string others, first;
  for (const SerialAdapter& adapter : adapters) {
    if (resolvedPath(adapter.device) == resolvedPath(deviceTried)) continue;
    if (first.empty()) first = adapter.device;
    if (!others.empty()) others += ", ";
    others += adapter.description.empty() ? adapter.device : adapter.device + " (" + adapter.description + ")";
  }
  if (others.empty()) return {};
  const char* advice = QT_TRANSLATE_NOOP("vx", "USB serial adapters here: %1. To make %2 port %3: %4");
  return filledIn(translatedText(advice, translated), {others, first, std::to_string(port), linkCommand(port, first)});
}

}  // namespace vx
