// SPDX-License-Identifier: MIT
// Bytes the receiver and the control exchange, shared by the tests: the
// power-up line (which is also the wake reply), the first byte of a sync
// pair, and the initialisation message of the worked example (5 December
// 2026, 22:30:15 local time, TimeZone 5, 42.4413 N 71.2544 W).
#pragma once

#include <string>
#include <vector>

#include "control/core/message_builder.h"
#include "control/core/wake_up.h"

namespace vx::test {

inline const std::string kLine(WakeUp::kReply);
inline const std::string kSync(1, '\xFF');
inline constexpr const char* kWorkedExampleInit =
    "FF 81 B0 04 15 00 00 00 3C 79 01 00 0D 00 00 00 00 00 00 00 06 00 0C 00 EA 07 03 00 "
    "1E 00 0F 00 00 00 6A 04 00 00 96 F8 00 00 00 00 00 00 00 00 00 00 00 00 C6 FA";

// The message cut to its first `count` data words, header and checksum made anew.
inline std::string cutToDataWords(const std::string& message, int count) {
  std::vector<uint16_t> data;
  for (int word = header_words::kFirstDataWord; word < header_words::kFirstDataWord + count; ++word) {
    data.push_back(messageWord(message, word));
  }
  return buildMessage(messageWord(message, header_words::kId), data);
}

}  // namespace vx::test
