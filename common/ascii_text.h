// SPDX-License-Identifier: MIT
// ASCII by itself, whatever the locale: digits, and names compared as the
// settings file and the type library compare them (ASCII letters without
// regard to case, every other byte as it is).
#pragma once

#include <algorithm>
#include <string_view>

namespace vx {

constexpr bool isAsciiDigit(char c) { return c >= '0' && c <= '9'; }

constexpr bool allAsciiDigits(std::string_view text) { return std::all_of(text.begin(), text.end(), isAsciiDigit); }

constexpr char asciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

constexpr bool sameIgnoringAsciiCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return asciiLower(x) == asciiLower(y); });
}

}  // namespace vx
