// SPDX-License-Identifier: MIT
// What a device on the serial line is, told from the first bytes it sends,
// before anything is written to it: a receiver of this family asleep (its
// start-up lines "EARTHA"), one awake (binary messages behind the sync
// bytes 0xFF 0x81 with a sound header), or something else (NMEA text from
// another receiver, or bytes that are neither). Bytes in, a verdict out: no
// I/O here.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vx {

enum class Speech { kUndecided, kAsleep, kAwake, kForeign };

class SpeechListener {
 public:
  // Past this many bytes with neither a start-up line nor a sound header,
  // the device says something else.
  static constexpr std::size_t kMostUnknownBytes = 600;

  // Takes the next bytes read; the verdict once there is one, and it stays.
  Speech hear(std::string_view bytes);
  Speech verdict() const { return verdict_; }
  // What the device said else, for people: "NMEA text ($GPGGA,...)".
  const std::string& foreignWhat() const { return foreignWhat_; }

 private:
  Speech judgeLines();
  bool holdsSoundHeader() const;

  std::string heard_;
  std::size_t judgedUpTo_ = 0;  // the lines before this offset are judged
  Speech verdict_ = Speech::kUndecided;
  std::string foreignWhat_;
};

// "a receiver of this family, asleep" and the like.
const char* describe(Speech speech);

}  // namespace vx
