// SPDX-License-Identifier: MIT
// The receiver's serial line: 9600 baud, 8 data bits, no parity, 1 stop
// bit, no flow control. The control's port and every tool that opens the
// line set it from here.
#pragma once

namespace vx {

inline constexpr int kLineBaudRate = 9600;
inline constexpr int kLineDataBits = 8;
inline constexpr int kLineStopBits = 1;
inline constexpr bool kLineParity = false;

}  // namespace vx
