// SPDX-License-Identifier: MIT
// Waking the receiver and initialising it.
//
// After power-up the receiver announces itself with text lines beginning
// "EARTHA". On the third such line the link replies "EARTHA" CR LF, which
// makes the receiver talk binary, and fills the initialisation message from
// the clock and the settings. The message goes out once, as soon as the
// receiver is seen talking binary. Both happen at most once between resets.
#pragma once

#include <cstdint>
#include <functional>
#include <string_view>

#include "control/core/date_time.h"
#include "control/core/init_message.h"
#include "control/core/link_settings.h"

namespace vx {

// True for one of the receiver's start-up lines: it holds "EARTHA". A line
// read just after the port opened may begin with the tail of a binary
// message sent before; the text after such a stray fragment counts.
bool isStartUpLine(std::string_view line);

// Writes bytes to the receiver.
using ByteWriter = std::function<void(std::string_view bytes)>;

class WakeUp {
 public:
  enum State : int16_t { kNotWoken = 0, kReplied = 1, kInitialised = 2 };

  static constexpr std::string_view kReply = "EARTHA\r\n";

  // The settings, clock and writer belong to the owner and outlive this.
  WakeUp(const LinkSettings& settings, const LocalClock& clock, const ByteWriter& writer)
      : settings_(settings), clock_(clock), writer_(writer) {}

  // One text line; `binaryMode` tells whether binary data follows it.
  void onLine(std::string_view line, bool binaryMode);

  // Binary data began only after the last line had been handled in text
  // mode: finishes that line's handling as if the data had come with it.
  void onBinaryAfterLine();

  // One accepted binary message, before it is dispatched.
  void onMessageAccepted();

  // Back to "not woken" with a fresh template. The sequence counter runs on.
  void reset();

  State state() const { return state_; }
  int lineCount() const { return lineCount_; }
  uint16_t sequence() const { return sequence_; }
  const InitTemplate& initTemplate() const { return template_; }

 private:
  void fillTemplate();
  void sendInit();

  const LinkSettings& settings_;
  const LocalClock& clock_;
  const ByteWriter& writer_;

  State state_ = kNotWoken;
  bool lastLineReplied_ = false;  // the last line handled sent the wake reply
  int16_t lineCount_ = 0;
  uint16_t sequence_ = 0;  // wraps after 65535
  InitTemplate template_;
};

}  // namespace vx
