// SPDX-License-Identifier: MIT
#include "common/printable_text.h"

namespace vx {

std::string printableText(std::string_view text) {
  static constexpr char kHex[] = "0123456789abcdef";
  std::string printable;
  printable.reserve(text.size());
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '\\') {
      printable += "\\\\";
    } else if (c == '\n') {
      printable += "\\n";
    } else if (c == '\r') {
      printable += "\\r";
    } else if (c == '\t') {
      printable += "\\t";
    } else if (byte < 0x20 || byte == 0x7F) {
      printable += {'\\', 'x', kHex[byte >> 4], kHex[byte & 0x0F]};
    } else {
      printable += c;
    }
  }
  return printable;
}

}  // namespace vx
