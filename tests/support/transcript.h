// SPDX-License-Identifier: MIT
// Runs bytes through a receiver link and records what comes out, in order:
// each write to the receiver as "TX" and its bytes in hexadecimal, each
// sentence as itself. Two runs over the same bytes compare as transcripts.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "common/number_text.h"
#include "control/core/receiver_link.h"

namespace vx::test {

using Transcript = std::vector<std::string>;

using vx::hexBytes;

// The clock of the worked example: 5 December 2026, 22:30:15 local time.
DateTime workedExampleClock();

class Recorder {
 public:
  explicit Recorder(LocalTime clock = workedExampleClock());

  ReceiverLink& link() { return link_; }
  const ReceiverLink& link() const { return link_; }
  // One receive event; takes every waiting sentence, as a host that drains.
  void receive(std::string_view bytes);
  // Feeds `bytes` in chunks of `chunk` bytes (0: all at once).
  void feed(std::string_view bytes, std::size_t chunk);

  const Transcript& transcript() const { return transcript_; }
  std::vector<std::string> sentences() const;
  std::vector<std::string> writes() const;

 private:
  Transcript transcript_;
  ReceiverLink link_;
};

// The transcript of `bytes` fed in chunks of `chunk`, from a new link.
Transcript transcriptOf(std::string_view bytes, std::size_t chunk, bool awake = false, bool satellitesInView = false);

}  // namespace vx::test
