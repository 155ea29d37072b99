#include "host_reader.h"


namespace vx::sim {
namespace {

constexpr std::string_view kReply = "EARTHA\r\n";
constexpr std::string_view kSync = "\xFF\x81";
constexpr std::size_t kHeaderBytes = 10;
constexpr std::size_t kLargestUnread = 4096;
// Longer claims are garbage: nothing the host sends is this long.
constexpr unsigned kLargestWordCount = 1024;

unsigned wordAt(std::string_view bytes, std::size_t word) {
  return static_cast<unsigned char>(bytes[2 * word - 2]) | static_cast<unsigned char>(bytes[2 * word - 1]) << 8;
}

// Why a complete message is not a valid initialisation message.
std::string whatIsWrong(std::string_view message) {
  const unsigned id = wordAt(message, 2), words = wordAt(message, 3);
  std::string header = "id " + std::to_string(id) + ", " + std::to_string(words) + " data words";
  const auto sumOf = [&](std::size_t first, std::size_t last) {
    unsigned sum = 0;
    for (std::size_t w = first; w <= last; ++w) sum += wordAt(message, w);
    return sum & 0xFFFF;
  };
  if (sumOf(1, 5) != 0) return header + ": bad header checksum";
  if (words > 0 && sumOf(6, 6 + words) != 0) return header + ": bad data checksum";
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
  const unsigned words = wordAt(buffer_, 3);
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
