// SPDX-License-Identifier: MIT
// Numbers to text and back, independent of the process locale: the serial
// protocol and the settings always use "." as the decimal point.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace vx {

// Appends `value` with at least `integerDigits` integer digits (padded with
// leading zeros, never cut) and exactly `decimals` decimals, rounded. A
// pattern "00.0000" is appendFixed(out, v, 2, 4); "00" is (out, v, 2, 0).
void appendFixed(std::string& out, double value, int integerDigits, int decimals);
// The same text written into `out`, which holds `room` characters: its
// length, or 0 when it does not fit. kFixedTextRoom characters hold any
// value padded to at most 8 integer digits.
std::size_t writeFixed(char* out, std::size_t room, double value, int integerDigits, int decimals);
inline constexpr std::size_t kFixedTextRoom = 410;
std::string formatFixed(double value, int integerDigits, int decimals);

// The leading-number rule: the longest beginning of `text` that forms a
// decimal number (after leading blanks; sign, digits, point, exponent)
// counts and the rest is ignored; a text that does not begin with a number
// counts as 0. A number too large for a double reads as an infinity.
double leadingNumber(std::string_view text);

// The number `text` begins with by the same rule, or nothing when it does
// not begin with one (an empty text, "-", "abc").
std::optional<double> numberAtStart(std::string_view text);

// The whole of `text`, blanks around it aside, read as a decimal number;
// nothing when any other character is left over or the text is empty.
std::optional<double> parseNumber(std::string_view text);

// "00" to "99" in a row: the two digits of n begin at 2n. Numbers are
// written two digits per division.
inline constexpr std::array<char, 200> kDigitPairs = [] {
  std::array<char, 200> pairs{};
  for (int value = 0; value < 100; ++value) {
    pairs[static_cast<std::size_t>(2 * value)] = static_cast<char>('0' + value / 10);
    pairs[static_cast<std::size_t>(2 * value + 1)] = static_cast<char>('0' + value % 10);
  }
  return pairs;
}();

// The capital hexadecimal digits, by value.
inline constexpr std::string_view kHexDigits = "0123456789ABCDEF";

// Bytes as capital hexadecimal pairs separated by single spaces: "FF 81 B0".
std::string hexBytes(std::string_view bytes);

// The general text form of a number: up to 15 significant digits, no
// trailing zeros, no exponent for ordinary magnitudes ("71.25", "-0.5", "5").
std::string generalNumber(double value);

}  // namespace vx
