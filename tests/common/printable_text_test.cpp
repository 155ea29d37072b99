// SPDX-License-Identifier: MIT
// Text from outside made fit for a terminal: nothing in it can move the
// cursor, clear the screen or start a line of its own.
#include "common/printable_text.h"

#include <gtest/gtest.h>

namespace vx {
namespace {

TEST(PrintableText, EscapesEveryControlCharacterAndKeepsTheRest) {
  const struct {
    std::string_view text;
    std::string printable;
  } cases[] = {{"/dev/ttyUSB0", "/dev/ttyUSB0"},
               {"/dev/tty\n+/dev/ttyS0", "/dev/tty\\n+/dev/ttyS0"},
               {"\x1b[2J\x1b]0;title\x07", "\\x1b[2J\\x1b]0;title\\x07"},
               {"a\rb\tc\x7f\\", "a\\rb\\tc\\x7f\\\\"},
               {std::string_view("nul\0end", 7), "nul\\x00end"},
               {"Z\xc3\xbcrich", "Z\xc3\xbcrich"}};
  for (const auto& each : cases) EXPECT_EQ(printableText(each.text), each.printable);
}

}  // namespace
}  // namespace vx
