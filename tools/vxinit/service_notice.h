// SPDX-License-Identifier: MIT
// Telling systemd how vxinit is doing, where a unit of Type=notify started
// it (NOTIFY_SOCKET is set): ready, once the device may be handed to the
// next program, and a status line that `systemctl status` shows. Run by
// hand, nothing is sent.
#pragma once

#include <string>

namespace vx {

// True when a service manager waits to hear that vxinit is ready.
bool startedAsNotifyService();

// Tells the service manager that vxinit is ready (once; later calls only
// change the status) and what it did, in one line.
void tellReady(const std::string& status);
// Changes the status line only.
void tellStatus(const std::string& status);
// At the end of the run: ready, where it has not been said, with the last
// status told (else the exit status).
void tellReadyAtEnd(int exitCode);

}  // namespace vx
