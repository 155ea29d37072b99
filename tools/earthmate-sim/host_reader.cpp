// SPDX-License-Identifier: MIT
#include "tools/earthmate-sim/host_reader.h"

#include "control/core/message_builder.h"
#include "control/core/wake_up.h"

namespace vx::sim {
namespace {

constexpr std::string_view kReply = WakeUp::kReply;  // the host's answer to the power-up lines
constexpr std::string_view kSync = "\xFF\x81";
constexpr std::size_t kHeaderBytes = 10;
constexpr std::size_t kLargestUnread = 4096;
// Longer claims are garbage: nothing the host sends is this long.
constexpr unsigned kLargestWordCount = 1024;

// Why a complete message is not a valid initialisation message.
std::string whatIsWrong(std::string_view message) {
  const unsigned id = messageWord(message, header_words::kId);
  const unsigned words = messageWord(message, header_words::kDataWordCount);
  std::string header = "id " + std::to_string(id) + ", " + std::to_string(words) + " data words";
  if (!headerChecksumHolds(message)) return header + ": bad header checksum";
  if (words > 0 && !dataChecksumHolds(message)) return header + ": bad data checksum";
  if (id != kInitMessageId) return header + ": not an initialisation message";
  return header + ": an initialisation message has 21 data words";
}

}  // namespace

std::vector<HostEvent> HostReader::feed(std::string_view bytes) {
  buffer_.append(bytes);
  std::vector<HostEvent> events;
  if (!awake_) readText(events);
  while (awake_ && readMessage(events)) {
  }
  if (buffer_.size() > kLargestUnread) buffer_.erase(0, buffer_.size() - kLargestUnread);
  return events;
}

void HostReader::readText(std::vector<HostEvent>& events) {
  const std::size_t reply = buffer_.find(kReply);
  if (reply == std::string::npos) return;
  buffer_.erase(0, reply + kReply.size());
  awake_ = true;
  events.push_back({HostEvent::kWakeReply, std::nullopt, {}});
}

bool HostReader::readMessage(std::vector<HostEvent>& events) {
  const std::size_t sync = buffer_.find(kSync);
  if (sync == std::string::npos) {
    // Keep a last 0xFF: it may be the first half of the sync pair.
    buffer_.erase(0, !buffer_.empty() && buffer_.back() == '\xFF' ? buffer_.size() - 1 : buffer_.size());
    return false;
  }
  buffer_.erase(0, sync);
  if (buffer_.size() < kHeaderBytes) return false;
  const unsigned words = messageWord(buffer_, header_words::kDataWordCount);
  if (words > kLargestWordCount) {
    events.push_back({HostEvent::kInvalidMessage, std::nullopt, "a header claiming " + std::to_string(words) + " data words"});
    buffer_.erase(0, kSync.size());
    return true;
  }
  const std::size_t length = kHeaderBytes + (words == 0 ? 0 : 2 * (words + 1));
  if (buffer_.size() < length) return false;
  const std::string_view message = std::string_view(buffer_).substr(0, length);
  if (const auto init = decodeInitMessage(message)) {
    events.push_back({HostEvent::kInit, init, {}});
  } else {
    events.push_back({HostEvent::kInvalidMessage, std::nullopt, whatIsWrong(message)});
  }
  buffer_.erase(0, length);
  return true;
}

}  // namespace vx::sim
