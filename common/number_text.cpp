// SPDX-License-Identifier: MIT
#include "common/number_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <optional>

#include "common/ascii_text.h"

namespace vx {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::size_t skipDigits(std::string_view text, std::size_t pos) {
  while (pos < text.size() && isAsciiDigit(text[pos])) ++pos;
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

// `magnitude` (not negative) rounded to `decimals` decimals, in units of
// the last decimal, exactly as std::to_chars(fixed) rounds it; nothing
// when it cannot be sure, and the caller asks to_chars. That is the slow
// part of every sentence, and nearly every value it sees is modest in size
// and far from a rounding tie.
//
// The scaled value carries one rounding error of at most half a unit in
// its last place, 2^-10 below 2^43. Rounding to the nearest whole number
// then goes the same way as rounding the exact value unless the fraction
// lies within that error of one half: those (and ties, which to_chars
// sends to the even neighbour) are left to to_chars.
std::optional<uint64_t> roundQuickly(double magnitude, int decimals) {
  constexpr double kLargestScaled = 0x1p43;
  constexpr double kNearTie = 0x1p-9;
  if (decimals < 0 || decimals >= static_cast<int>(kPowersOfTen.size())) return std::nullopt;
  const double scaled = magnitude * static_cast<double>(kPowersOfTen[static_cast<std::size_t>(decimals)]);
  if (!(scaled < kLargestScaled)) return std::nullopt;  // NaN too
  const auto whole = static_cast<uint64_t>(scaled);  // the floor: scaled is not negative
  const double fraction = scaled - static_cast<double>(whole);  // exact below 2^52
  if (std::fabs(fraction - 0.5) < kNearTie) return std::nullopt;
  return whole + (fraction > 0.5 ? 1 : 0);
}

int digitCount(uint64_t value) {
  int count = 1;
  for (; value >= 10; value /= 10) ++count;
  return count;
}

// Writes the last `count` decimal digits of `value` (zeros once its digits
// run out) so that they end just before `end`, and drops them from
// `value`. Returns where they begin.
char* writeDigitsBefore(char* end, uint64_t& value, int count) {
  for (; count >= 2; count -= 2, value /= 100) {
    end -= 2;
    std::memcpy(end, &kDigitPairs[static_cast<std::size_t>(2 * (value % 100))], 2);
  }
  if (count == 1) {
    *--end = static_cast<char>('0' + value % 10);
    value /= 10;
  }
  return end;
}

// Writes `rounded` units of the last decimal as the fixed text, right to
// left straight into `out`: no intermediate text and no copy. 0 when the
// text needs more than `room` characters.
std::size_t writeRounded(char* out, std::size_t room, bool negative, uint64_t rounded, int integerDigits,
                         int decimals) {
  const uint64_t unit = kPowersOfTen[static_cast<std::size_t>(decimals)];
  const int integerLength = std::max(integerDigits, digitCount(rounded / unit));
  const std::size_t length = static_cast<std::size_t>(negative + integerLength + (decimals > 0 ? decimals + 1 : 0));
  if (length > room) return 0;
  if (negative) out[0] = '-';
  char* const decimalsBegin = writeDigitsBefore(out + length, rounded, decimals);
  if (decimals > 0) decimalsBegin[-1] = '.';
  writeDigitsBefore(decimalsBegin - (decimals > 0 ? 1 : 0), rounded, integerLength);  // with the padding zeros
  return length;
}

// The general case, through std::to_chars: ties, huge values, NaN.
std::size_t writeExactly(char* out, std::size_t room, double value, int integerDigits, int decimals) {
  char digits[400];
  const auto result =
      std::to_chars(digits, digits + sizeof digits, std::fabs(value), std::chars_format::fixed, decimals);
  const std::string_view text(digits, static_cast<std::size_t>(result.ptr - digits));
  const std::size_t point = text.find('.');
  const int integerLength = static_cast<int>(point == std::string_view::npos ? text.size() : point);
  // A value that rounds to zero is written without a sign.
  const bool negative = value < 0 && text.find_first_not_of("0.") != std::string_view::npos;
  const auto padding = static_cast<std::size_t>(std::max(integerDigits - integerLength, 0));
  const std::size_t length = (negative ? 1 : 0) + padding + text.size();
  if (length > room) return 0;
  char* at = out;
  if (negative) *at++ = '-';
  std::memset(at, '0', padding);
  std::memcpy(at + padding, text.data(), text.size());
  return length;
}

std::string_view trimBlanks(std::string_view text) {
  while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
  return text;
}

}  // namespace

std::size_t writeFixed(char* out, std::size_t room, double value, int integerDigits, int decimals) {
  if (const auto rounded = roundQuickly(std::fabs(value), decimals)) {
    // A value that rounds to zero is written without a sign.
    return writeRounded(out, room, value < 0 && *rounded != 0, *rounded, integerDigits, decimals);
  }
  return writeExactly(out, room, value, integerDigits, decimals);
}

void appendFixed(std::string& out, double value, int integerDigits, int decimals) {
  char text[kFixedTextRoom];
  std::size_t length = writeFixed(text, sizeof text, value, integerDigits, decimals);
  if (length == 0) {
    // Padding wider than the room: the digits alone, the zeros added here.
    length = writeFixed(text, sizeof text, value, 0, decimals);
    const std::string_view digits(text, length);
    const bool negative = digits.front() == '-';
    const std::size_t integerLength = std::min(digits.find('.'), digits.size()) - (negative ? 1 : 0);
    if (negative) out += '-';
    out.append(static_cast<std::size_t>(integerDigits) - integerLength, '0');
    out.append(digits.substr(negative ? 1 : 0));
    return;
  }
  out.append(text, length);
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
