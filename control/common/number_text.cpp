// SPDX-License-Identifier: MIT
#include "number_text.h"

#include <charconv>
#include <cmath>
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

std::string_view trimBlanks(std::string_view text) {
  while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
  return text;
}

}  // namespace

void appendFixed(std::string& out, double value, int integerDigits, int decimals) {
  char digits[400];
  const auto result = std::to_chars(digits, digits + sizeof digits, std::fabs(value),
                                    std::chars_format::fixed, decimals);
  const std::string_view text(digits, static_cast<std::size_t>(result.ptr - digits));
  const std::size_t point = text.find('.');
  const int integerLength = static_cast<int>(point == std::string_view::npos ? text.size() : point);
  // A value that rounds to zero is written without a sign.
  const bool negative = value < 0 && text.find_first_not_of("0.") != std::string_view::npos;
  if (negative) out += '-';
  if (integerLength < integerDigits) out.append(static_cast<std::size_t>(integerDigits - integerLength), '0');
  out += text;
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
