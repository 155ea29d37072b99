// SPDX-License-Identifier: MIT
// Codes of the serial port's communication events, as CommEvent reads them
// and CommError hands them to hosts.
// The codes of the serial-communications control hosts know are kept; the
// events it had no code for get codes of their own above 1100.
#pragma once

namespace vx {

enum CommEventCode : short {
  kComEvNone = 0,
  kComEvSend = 1,
  kComEvReceive = 2,      // data received: Input holds it
  kComEventBreak = 1001,
  kComEventFrame = 1004,
  kComEventOverrun = 1006,
  kComEventRxParity = 1009,
  kComEventDeviceLost = 1100,  // the device went away (a USB adapter pulled, a line hung up)
  kComEventIoError = 1101,     // reading or writing failed otherwise
};

}  // namespace vx
