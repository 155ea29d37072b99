// SPDX-License-Identifier: MIT
#include "gpsd/gpsd_connection.h"

#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <utility>

#include "common/ascii_text.h"

namespace vx {
namespace {

constexpr const char* kDefaultAddress = "localhost:2947";
constexpr const char* kDefaultControlSocket = "/run/gpsd.sock";

std::string environmentOr(const char* name, const char* fallback) {
  const char* value = std::getenv(name);
  return value != nullptr && *value != '\0' ? value : fallback;
}

int millisecondsUntil(GpsdClock::time_point deadline) {
  const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - GpsdClock::now()).count();
  return static_cast<int>(std::clamp<decltype(left)>(left, 0, 24 * 3600 * 1000));
}

enum class Wait { kReady, kTimedOut, kWoken, kFailed };

// Waits for `events` on `fd` until `deadline`, or until `wakeFd` is readable.
Wait waitFor(int fd, short events, GpsdClock::time_point deadline, int wakeFd = -1) {
  pollfd watched[2] = {{fd, events, 0}, {wakeFd, POLLIN, 0}};
  for (;;) {
    if (GpsdClock::now() >= deadline) return Wait::kTimedOut;
    const int ready = ::poll(watched, wakeFd >= 0 ? 2 : 1, millisecondsUntil(deadline));
    if (ready < 0 && errno != EINTR) return Wait::kFailed;
    if (ready <= 0) continue;
    if (wakeFd >= 0 && watched[1].revents != 0) return Wait::kWoken;
    return Wait::kReady;
  }
}

// A non-blocking connection to `address`, made by `deadline`.
bool connectBy(int fd, const sockaddr* address, socklen_t length, GpsdClock::time_point deadline) {
  if (::connect(fd, address, length) == 0) return true;
  if (errno != EINPROGRESS && errno != EAGAIN) return false;
  if (waitFor(fd, POLLOUT, deadline) != Wait::kReady) return false;
  int error = 0;
  socklen_t size = sizeof error;
  return ::getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &size) == 0 && error == 0;
}

int newSocket(int family, int type, int protocol) {
  return ::socket(family, type | SOCK_NONBLOCK | SOCK_CLOEXEC, protocol);
}

}  // namespace

std::string gpsdAddress() { return environmentOr("KESTRUNE_GPSD", kDefaultAddress); }

std::string gpsdControlSocket() { return environmentOr("GPSD_SOCKET", kDefaultControlSocket); }

std::optional<HostAndPort> splitGpsdAddress(std::string_view address) {
  const std::size_t colon = address.rfind(':');
  if (colon == std::string_view::npos || colon == 0 || colon + 1 == address.size()) return std::nullopt;
  std::string_view host = address.substr(0, colon);
  if (host.size() > 2 && host.front() == '[' && host.back() == ']') host = host.substr(1, host.size() - 2);
  const std::string_view port = address.substr(colon + 1);
  if (!allAsciiDigits(port)) return std::nullopt;
  return HostAndPort{std::string(host), std::string(port)};
}

bool isSafeDevicePath(std::string_view path) {
  return !path.empty() && std::none_of(path.begin(), path.end(), [](char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte < 0x20 || byte == 0x7F || c == '"' || c == '\\';
  });
}

GpsdConnection GpsdConnection::toService(const std::string& address, GpsdClock::time_point deadline) {
  const std::optional<HostAndPort> parts = splitGpsdAddress(address);
  addrinfo hints{};
  hints.ai_socktype = SOCK_STREAM;
  addrinfo* found = nullptr;
  if (!parts || ::getaddrinfo(parts->host.c_str(), parts->port.c_str(), &hints, &found) != 0) return GpsdConnection(-1);
  for (const addrinfo* each = found; each != nullptr; each = each->ai_next) {
    GpsdConnection connection(newSocket(each->ai_family, each->ai_socktype, each->ai_protocol));
    if (connection.connected() && connectBy(connection.fd_, each->ai_addr, each->ai_addrlen, deadline)) {
      ::freeaddrinfo(found);
      return connection;
    }
  }
  ::freeaddrinfo(found);
  return GpsdConnection(-1);
}

GpsdConnection GpsdConnection::toControlSocket(const std::string& path, GpsdClock::time_point deadline) {
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  if (path.size() >= sizeof address.sun_path) return GpsdConnection(-1);
  std::memcpy(address.sun_path, path.data(), path.size());
  GpsdConnection connection(newSocket(AF_UNIX, SOCK_STREAM, 0));
  if (connection.connected() &&
      !connectBy(connection.fd_, reinterpret_cast<const sockaddr*>(&address), sizeof address, deadline)) {
    return GpsdConnection(-1);
  }
  return connection;
}

GpsdConnection::~GpsdConnection() {
  if (fd_ >= 0) ::close(fd_);
}

GpsdConnection::GpsdConnection(GpsdConnection&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)),
      buffer_(std::move(other.buffer_)),
      start_(other.start_),
      scanned_(other.scanned_),
      skipping_(other.skipping_),
      received_(other.received_) {}

bool GpsdConnection::send(std::string_view bytes, GpsdClock::time_point deadline) {
  std::size_t sent = 0;
  while (sent < bytes.size()) {
    const ssize_t written = ::send(fd_, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
    if (written > 0) {
      sent += static_cast<std::size_t>(written);
    } else if (written < 0 && errno != EAGAIN && errno != EINTR) {
      return false;
    } else if (waitFor(fd_, POLLOUT, deadline) != Wait::kReady) {
      return false;
    }
  }
  return true;
}

GpsdConnection::Read GpsdConnection::readLine(std::string& line, GpsdClock::time_point deadline, int wakeFd) {
  for (;;) {
    const std::size_t end = buffer_.find('\n', scanned_);
    if (end != std::string::npos) {
      const bool keep = !skipping_ && end - start_ <= kGpsdLineLimit;
      skipping_ = false;
      if (keep) {
        line.assign(buffer_, start_, end - start_);
        if (!line.empty() && line.back() == '\r') line.pop_back();
      }
      start_ = scanned_ = end + 1;
      if (keep) return Read::kLine;
      continue;
    }
    // More bytes are needed: the lines handed out leave the buffer together,
    // and the start of the next line moves to its front, once.
    buffer_.erase(0, start_);
    start_ = 0;
    scanned_ = buffer_.size();
    if (buffer_.size() > kGpsdLineLimit) {  // too long to be gpsd's: dropped up to its end
      skipping_ = true;
      buffer_.clear();
      scanned_ = 0;
    }
    const Read filled = fill(deadline, wakeFd);
    if (filled != Read::kLine) return filled;
  }
}

// Appends what the peer has sent; kLine means "more bytes", to look at again.
GpsdConnection::Read GpsdConnection::fill(GpsdClock::time_point deadline, int wakeFd) {
  switch (waitFor(fd_, POLLIN, deadline, wakeFd)) {
    case Wait::kReady:
      break;
    case Wait::kTimedOut:
      return Read::kTimedOut;
    case Wait::kWoken:
      return Read::kWoken;
    case Wait::kFailed:
      return Read::kFailed;
  }
  char chunk[4096];
  const ssize_t got = ::recv(fd_, chunk, sizeof chunk, 0);
  if (got == 0) return Read::kClosed;
  if (got < 0) return errno == EAGAIN || errno == EINTR ? Read::kLine : Read::kFailed;
  buffer_.append(chunk, static_cast<std::size_t>(got));
  received_ += static_cast<std::size_t>(got);
  return Read::kLine;
}

}  // namespace vx
