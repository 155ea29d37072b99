// SPDX-License-Identifier: MIT
#include "service_notice.h"

#include <systemd/sd-daemon.h>

#include <cstdlib>

namespace vx {
namespace {

bool readySent = false;
std::string lastStatus;

// One line of printable text: a device path or a notice could hold a line
// end, which would end the status and begin another assignment.
std::string oneLine(const std::string& text) {
  std::string line;
  for (const char c : text) line += static_cast<unsigned char>(c) < 0x20 || c == 0x7F ? '?' : c;
  return line;
}

void notify(const std::string& message) {
  if (startedAsNotifyService()) sd_notify(0, message.c_str());
}

}  // namespace

bool startedAsNotifyService() {
  const char* socket = std::getenv("NOTIFY_SOCKET");
  return socket != nullptr && *socket != '\0';
}

void tellReady(const std::string& status) {
  lastStatus = status;
  notify((readySent ? "" : "READY=1\n") + ("STATUS=" + oneLine(status)));
  readySent = true;
}

void tellStatus(const std::string& status) {
  lastStatus = status;
  notify("STATUS=" + oneLine(status));
}

void tellReadyAtEnd(int exitCode) {
  if (!readySent) tellReady(lastStatus.empty() ? "Ended with exit status " + std::to_string(exitCode) : lastStatus);
}

}  // namespace vx
