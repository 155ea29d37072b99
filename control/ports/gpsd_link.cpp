// SPDX-License-Identifier: MIT
#include "gpsd_link.h"

#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QtGlobal>
#include <cerrno>
#include <cstring>
#include <utility>

#include "gpsd_devices.h"

namespace vx {
namespace {

using Clock = std::chrono::steady_clock;

constexpr const char* kDefaultAddress = "localhost:2947";
constexpr const char* kDefaultControlSocket = "/run/gpsd.sock";

// A socket that closes itself.
class Socket {
 public:
  explicit Socket(int fd) : fd_(fd) {}
  ~Socket() {
    if (fd_ >= 0) ::close(fd_);
  }
  Socket(Socket&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
  Socket(const Socket&) = delete;
  Socket& operator=(const Socket&) = delete;
  int fd() const { return fd_; }
  bool valid() const { return fd_ >= 0; }

 private:
  int fd_;
};

int millisecondsUntil(Clock::time_point deadline) {
  const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
  return left > 0 ? static_cast<int>(left) : 0;
}

// Waits for `events` on `fd` until `deadline`.
bool waitFor(int fd, short events, Clock::time_point deadline) {
  pollfd watched{fd, events, 0};
  for (;;) {
    const int ready = ::poll(&watched, 1, millisecondsUntil(deadline));
    if (ready > 0) return true;
    if (ready == 0 || errno != EINTR) return false;
  }
}

// A non-blocking connection to `address`, made by `deadline`.
bool connectBy(int fd, const sockaddr* address, socklen_t length, Clock::time_point deadline) {
  if (::connect(fd, address, length) == 0) return true;
  if (errno != EINPROGRESS && errno != EAGAIN) return false;
  if (!waitFor(fd, POLLOUT, deadline)) return false;
  int error = 0;
  socklen_t size = sizeof error;
  return ::getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &size) == 0 && error == 0;
}

// The first address of host:port that takes a connection by `deadline`.
Socket connectToService(const QString& address, Clock::time_point deadline) {
  const int colon = address.lastIndexOf(':');
  const QByteArray host = address.left(colon).remove('[').remove(']').toUtf8();
  const QByteArray port = address.mid(colon + 1).toUtf8();
  addrinfo hints{};
  hints.ai_socktype = SOCK_STREAM;
  addrinfo* found = nullptr;
  if (colon <= 0 || ::getaddrinfo(host.constData(), port.constData(), &hints, &found) != 0) return Socket(-1);
  for (const addrinfo* each = found; each != nullptr; each = each->ai_next) {
    Socket socket(::socket(each->ai_family, each->ai_socktype | SOCK_NONBLOCK | SOCK_CLOEXEC, each->ai_protocol));
    if (socket.valid() && connectBy(socket.fd(), each->ai_addr, each->ai_addrlen, deadline)) {
      ::freeaddrinfo(found);
      return socket;
    }
  }
  ::freeaddrinfo(found);
  return Socket(-1);
}

bool sendAll(int fd, const QByteArray& bytes, Clock::time_point deadline) {
  qsizetype sent = 0;
  while (sent < bytes.size()) {
    const ssize_t written = ::send(fd, bytes.constData() + sent, bytes.size() - sent, MSG_NOSIGNAL);
    if (written > 0) {
      sent += written;
    } else if (written < 0 && errno != EAGAIN && errno != EINTR) {
      return false;
    } else if (!waitFor(fd, POLLOUT, deadline)) {
      return false;
    }
  }
  return true;
}

// Reads into `received` until `complete` holds, the peer closes, or `deadline` passes.
template <typename Complete>
bool receiveUntil(int fd, QByteArray& received, Complete complete, Clock::time_point deadline) {
  char buffer[4096];
  while (!complete(received)) {
    if (!waitFor(fd, POLLIN, deadline)) return false;
    const ssize_t got = ::recv(fd, buffer, sizeof buffer, 0);
    if (got == 0) return complete(received);
    if (got < 0 && errno != EAGAIN && errno != EINTR) return false;
    if (got > 0) received.append(buffer, got);
  }
  return true;
}

}  // namespace

QString gpsdAddress() {
  const QString address = qEnvironmentVariable("KESTRUNE_GPSD");
  return address.isEmpty() ? kDefaultAddress : address;
}

QString gpsdControlSocket() {
  const QString path = qEnvironmentVariable("GPSD_SOCKET");
  return path.isEmpty() ? kDefaultControlSocket : path;
}

std::optional<QByteArray> askGpsdForDevices(std::chrono::milliseconds greetingLimit) {
  const auto greetingDeadline = Clock::now() + greetingLimit;
  const Socket socket = connectToService(gpsdAddress(), greetingDeadline);
  if (!socket.valid() || !sendAll(socket.fd(), "?DEVICES;\n", greetingDeadline)) return std::nullopt;
  QByteArray reply;
  const auto spoke = [](const QByteArray& bytes) { return !bytes.isEmpty(); };
  if (!receiveUntil(socket.fd(), reply, spoke, greetingDeadline)) return std::nullopt;
  const auto hasDevices = [](const QByteArray& bytes) { return parseGpsdDevices(bytes).has_value(); };
  if (!receiveUntil(socket.fd(), reply, hasDevices, Clock::now() + kGpsdReplyLimit)) return std::nullopt;
  return reply;
}

GpsdControlAnswer tellGpsd(char addOrRemove, const QString& device, std::chrono::milliseconds limit) {
  const auto deadline = Clock::now() + limit;
  const QByteArray path = gpsdControlSocket().toLocal8Bit();
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  if (path.size() >= static_cast<qsizetype>(sizeof address.sun_path)) return GpsdControlAnswer::kUnreachable;
  std::memcpy(address.sun_path, path.constData(), path.size());
  const Socket socket(::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0));
  const auto* generic = reinterpret_cast<const sockaddr*>(&address);
  if (!socket.valid() || !connectBy(socket.fd(), generic, sizeof address, deadline) ||
      !sendAll(socket.fd(), addOrRemove + device.toLocal8Bit() + '\n', deadline)) {
    return GpsdControlAnswer::kUnreachable;
  }
  QByteArray answer;
  const auto hasLine = [](const QByteArray& bytes) { return bytes.contains('\n'); };
  if (!receiveUntil(socket.fd(), answer, hasLine, deadline)) return GpsdControlAnswer::kUnreachable;
  return answer.startsWith("OK") ? GpsdControlAnswer::kOk : GpsdControlAnswer::kRefused;
}

}  // namespace vx
