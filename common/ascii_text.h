// SPDX-License-Identifier: MIT
// Names compared as the settings file and the type library compare them:
// ASCII letters without regard to case, every other byte as it is.
#pragma once

#include <algorithm>
#include <string_view>

namespace vx {

constexpr char asciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

constexpr bool sameIgnoringAsciiCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return asciiLower(x) == asciiLower(y); });
}

}  // namespace vx
