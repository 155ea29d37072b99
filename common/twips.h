// SPDX-License-Identifier: MIT
// Twips, the unit window layouts are given in: 1440 to the inch, so 15 to a
// pixel at 96 logical dots per inch (Qt scales logical pixels on
// high-density screens).
#pragma once

#include <QRect>

namespace vx {

inline constexpr int kTwipsPerPixel = 15;

inline QRect fromTwips(int left, int top, int width, int height) {
  return {left / kTwipsPerPixel, top / kTwipsPerPixel, width / kTwipsPerPixel, height / kTwipsPerPixel};
}

}  // namespace vx
