// SPDX-License-Identifier: MIT
// Text from outside (a device path gpsd names, a file's contents) made fit
// for a terminal: control characters written as escapes, so that what is
// printed can neither move the cursor, clear the screen nor start a line
// that looks like the program's own.
#pragma once

#include <string>
#include <string_view>

namespace vx {

// `text` with each control character (below 0x20, and 0x7F) as \n, \r, \t
// or \xNN, and each backslash doubled; everything else as it is.
std::string printableText(std::string_view text);

}  // namespace vx
