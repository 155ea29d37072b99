// SPDX-License-Identifier: MIT
// Reads what the host sends the simulated receiver: the wake reply
// "EARTHA" CR LF while asleep, then binary messages, of which only a valid
// initialisation message (id 1200, 21 data words, both checksums right)
// is understood.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "control/core/init_message.h"

namespace vx::sim {

struct HostEvent {
  enum Kind { kWakeReply, kInit, kInvalidMessage } kind;
  std::optional<InitMessageContent> init;  // kInit
  std::string text;                        // kInvalidMessage: what is wrong
};

class HostReader {
 public:
  // `awake`: the receiver talks binary already and expects no wake reply.
  explicit HostReader(bool awake) : awake_(awake) {}

  std::vector<HostEvent> feed(std::string_view bytes);

 private:
  void readText(std::vector<HostEvent>& events);
  bool readMessage(std::vector<HostEvent>& events);

  bool awake_;
  std::string buffer_;
};

}  // namespace vx::sim
