// SPDX-License-Identifier: MIT
// How the control rounds a number to a whole one, everywhere: to the
// nearest, a half to the even neighbour (5.5 gives 6, 4.5 gives 4, -2.5
// gives -2). A time difference of half an hour therefore rounds the same
// way wherever it is rounded, which the exact time sent to the receiver
// relies on.
#pragma once

#include <cmath>

namespace vx {

// std::nearbyint rounds in the current rounding mode, to the nearest with
// ties to even unless a program changes it; this one never does.
inline double roundHalfToEven(double value) { return std::nearbyint(value); }

}  // namespace vx
