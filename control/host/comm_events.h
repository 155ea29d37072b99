// SPDX-License-Identifier: MIT
// Codes of the serial port's communication events, as CommEvent reads them
// and CommError hands them to hosts: the codes serial-communications hosts
// know for no event and received data, and codes of their own, from 1100
// on, for the line's failures.
#pragma once

namespace vx {

enum CommEventCode : short {
  kComEvNone = 0,
  kComEvReceive = 2,      // data received: Input holds it
  kComEventDeviceLost = 1100,  // the device went away (a USB adapter pulled, a line hung up)
  kComEventIoError = 1101,     // reading or writing failed otherwise
};

}  // namespace vx
