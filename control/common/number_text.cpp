// SPDX-License-Identifier: MIT
#include "number_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

namespace vx {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::size_t skipDigits(std::string_view text, std::size_t pos) {
  while (pos < text.size() && isDigit(text[pos])) ++pos;
  return pos;
}

// Length of the longest beginning of `text` that is a decimal number
// (sign, digits with an optional point, optional exponent); 0 if none.
std::size_t numberLength(std::string_view text) {
  std::size_t pos = 0;
  if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) ++pos;
  const std::size_t integerStart = pos;
  pos = skipDigits(text, pos);
  bool anyDigit = pos > integerStart;
  if (pos < text.size() && text[pos] == '.') {
    const std::size_t fractionStart = pos + 1;
    const std::size_t fractionEnd = skipDigits(text, fractionStart);
    if (anyDigit || fractionEnd > fractionStart) {
      anyDigit = true;
      pos = fractionEnd;
    }
  }
  if (!anyDigit) return 0;
  if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
    std::size_t exponent = pos + 1;
    if (exponent < text.size() && (text[exponent] == '+' || text[exponent] == '-')) ++exponent;
    const std::size_t exponentEnd = skipDigits(text, exponent);
    if (exponentEnd > exponent) pos = exponentEnd;
  }
  return pos;
}

// Converts a text that numberLength accepted whole.
double convert(std::string_view number) {
  bool negative = false;
  if (!number.empty() && (number.front() == '+' || number.front() == '-')) {
    negative = number.front() == '-';
    number.remove_prefix(1);
  }
  double value = 0;
  const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
  if (error == std::errc::result_out_of_range) {
    // from_chars leaves the value alone: decide between overflow and underflow.
    const auto exponent = number.find_first_of("eE");
    const bool tiny = exponent != std::string_view::npos && exponent + 1 < number.size() &&
                      number[exponent + 1] == '-';
    value = tiny ? 0.0 : std::numeric_limits<double>::infinity();
  }
  (void)end;
  return negative ? -value : value;
}

// Powers of ten that a double holds exactly.
constexpr std::array<uint64_t, 10> kPowersOfTen = {1, 10, 100, 1000, 10000, 100000, 1000000, 10000000,
                                                   100000000, 1000000000};

// Digits of a magnitude in fixed notation, as std::to_chars writes them.
struct FixedDigits {
  std::size_t length = 0;
  int integerLength = 0;      // the digits before the point (all of "inf" or "nan")
  bool roundsToZero = false;  // all digits are zeros
};

FixedDigits writeFixedExactly(char* out, std::size_t size, double magnitude, int decimals) {
  const auto result = std::to_chars(out, out + size, magnitude, std::chars_format::fixed, decimals);
  const std::string_view text(out, static_cast<std::size_t>(result.ptr - out));
  const std::size_t point = text.find('.');
  return {text.size(), static_cast<int>(point == std::string_view::npos ? text.size() : point),
          text.find_first_not_of("0.") == std::string_view::npos};
}

// Writes `magnitude` (not negative) with `decimals` decimals exactly as
// std::to_chars(fixed) does, in integer arithmetic; a length of 0 when it
// cannot be sure, and the caller asks to_chars. That is the slow part of
// every sentence, and nearly every value it sees is modest in size and
// far from a rounding tie.
//
// The scaled value carries one rounding error of at most half a unit in
// its last place, 2^-10 below 2^43. Rounding to the nearest whole number
// then goes the same way as rounding the exact value unless the fraction
// lies within that error of one half: those (and ties, which to_chars
// sends to the even neighbour) are left to to_chars.
FixedDigits writeFixedQuickly(char* out, double magnitude, int decimals) {
  constexpr double kLargestScaled = 0x1p43;
  constexpr double kNearTie = 0x1p-9;
  if (decimals < 0 || decimals >= static_cast<int>(kPowersOfTen.size())) return {};
  const uint64_t unit = kPowersOfTen[static_cast<std::size_t>(decimals)];
  const double scaled = magnitude * static_cast<double>(unit);
  if (!(scaled < kLargestScaled)) return {};  // NaN too
  const auto whole = static_cast<uint64_t>(scaled);  // the floor: scaled is not negative
  const double fraction = scaled - static_cast<double>(whole);  // exact below 2^52
  if (std::fabs(fraction - 0.5) < kNearTie) return {};
  const uint64_t rounded = whole + (fraction > 0.5 ? 1 : 0);
  char* end = std::to_chars(out, out + 20, rounded / unit).ptr;
  const int integerLength = static_cast<int>(end - out);
  if (decimals > 0) {
    *end++ = '.';
    uint64_t rest = rounded % unit;
    for (int digit = decimals; digit-- > 0; rest /= 10) end[digit] = static_cast<char>('0' + rest % 10);
    end += decimals;
  }
  return {static_cast<std::size_t>(end - out), integerLength, rounded == 0};
}

std::string_view trimBlanks(std::string_view text) {
  while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
  return text;
}

}  // namespace

void appendFixed(std::string& out, double value, int integerDigits, int decimals) {
  // The digits go behind room for the sign and a few padding zeros, so
  // that the usual number reaches `out` in one append.
  constexpr int kRoomInFront = 8;
  char buffer[kRoomInFront + 400];
  char* const digits = buffer + kRoomInFront;
  FixedDigits text = writeFixedQuickly(digits, std::fabs(value), decimals);
  if (text.length == 0) text = writeFixedExactly(digits, sizeof buffer - kRoomInFront, std::fabs(value), decimals);
  // A value that rounds to zero is written without a sign.
  const bool negative = value < 0 && !text.roundsToZero;
  const int padding = std::max(integerDigits - text.integerLength, 0);
  if (padding + 1 > kRoomInFront) {
    if (negative) out += '-';
    out.append(static_cast<std::size_t>(padding), '0');
    out.append(digits, text.length);
    return;
  }
  char* start = digits - padding;
  std::memset(start, '0', static_cast<std::size_t>(padding));
  if (negative) *--start = '-';
  out.append(start, static_cast<std::size_t>(digits + text.length - start));
}

std::string formatFixed(double value, int integerDigits, int decimals) {
  std::string out;
  appendFixed(out, value, integerDigits, decimals);
  return out;
}

double leadingNumber(std::string_view text) { return numberAtStart(text).value_or(0.0); }

std::optional<double> numberAtStart(std::string_view text) {
  while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
  const std::size_t length = numberLength(text);
  if (length == 0) return std::nullopt;
  return convert(text.substr(0, length));
}

std::optional<double> parseNumber(std::string_view text) {
  text = trimBlanks(text);
  const std::size_t length = numberLength(text);
  if (length == 0 || length != text.size()) return std::nullopt;
  return convert(text);
}

std::string hexBytes(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size() * 3);
  for (char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    if (!out.empty()) out += ' ';
    out += kHexDigits[byte >> 4];
    out += kHexDigits[byte & 0xF];
  }
  return out;
}

std::string generalNumber(double value) {
  char buffer[64];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
  std::string text(buffer, result.ptr);
  for (char& c : text) {
    if (c == 'e') c = 'E';
  }
  return text;
}

}  // namespace vx
