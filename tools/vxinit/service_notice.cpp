// SPDX-License-Identifier: MIT
#include "tools/vxinit/service_notice.h"

#include <systemd/sd-daemon.h>

#include <cstdlib>

#include "common/printable_text.h"

namespace vx {
namespace {

bool readySent = false;
std::string lastStatus;

// One line: a device path or a notice could hold a line end, which would
// end the status and begin another assignment.
std::string oneLine(const std::string& text) { return printableText(text); }

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
