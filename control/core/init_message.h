// SPDX-License-Identifier: MIT
// The initialisation message (id 1200) that tells the receiver the UTC date
// and time and its approximate position: 21 data words behind the header,
// 54 bytes on the wire. The wake reply fills in the time and position;
// encoding numbers the message and builds it with the message builder.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "control/core/date_time.h"
#include "control/core/message_layout.h"

namespace vx {

inline constexpr int kInitMessageId = 1200;
inline constexpr std::size_t kInitMessageBytes = 2 * init_words::kLast;  // 54

class InitTemplate {
 public:
  // No time and no position, as after a reset.
  void reset() { *this = InitTemplate(); }

  // Stores the UTC date and time and the two position words.
  void fill(const DateTime& utc, uint16_t latitudeWord, uint16_t longitudeWord);

  // The message on the wire. Advances `sequence` (the running number of
  // initialisation messages sent) and carries its new value.
  std::string encode(uint16_t& sequence) const;

 private:
  DateTime utc_;
  uint16_t latitudeWord_ = 0;
  uint16_t longitudeWord_ = 0;
};

// What an initialisation message carries, as the receiver reads it.
struct InitMessageContent {
  uint16_t sequence = 0;
  DateTime utc;
  double latitude = 0;   // degrees, negative south
  double longitude = 0;  // degrees, negative west
};

// Reads a message received as an initialisation message: nothing unless it
// is exactly one message with id 1200, 21 data words and both checksums valid.
std::optional<InitMessageContent> decodeInitMessage(std::string_view bytes);

// "init #1: 2026-12-07 03:30:15 UTC, 42.44 N 71.25 W"
std::string describe(const InitMessageContent& content);

// The upper 16 bits of an angle in degrees as a 32-bit count of 1e-8
// radian: what the message carries for latitude and longitude.
uint16_t positionWord(double degrees);

}  // namespace vx
