// SPDX-License-Identifier: MIT
#include "serial/serial_line.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <stdexcept>

#include "control/core/line_format.h"

namespace vx {
namespace {

[[noreturn]] void fail(const std::string& what, const std::string& path, int error) {
  throw std::runtime_error(what + " " + path + ": " + std::strerror(error));
}

termios receiverLine(termios line) {
  static_assert(kLineBaudRate == 9600 && kLineDataBits == 8 && kLineStopBits == 1 && !kLineParity);
  ::cfmakeraw(&line);
  ::cfsetspeed(&line, B9600);
  line.c_cflag = (line.c_cflag & ~(CSIZE | CSTOPB | PARENB | CRTSCTS)) | CS8 | CLOCAL | CREAD;
  line.c_iflag &= ~(IXON | IXOFF | IXANY);
  // With O_NONBLOCK: an empty line reads EAGAIN, and only a hang-up reads 0.
  line.c_cc[VMIN] = 1;
  line.c_cc[VTIME] = 0;
  return line;
}

}  // namespace

SerialLine::SerialLine(const std::string& path) : path_(path) {
  fd_ = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (fd_ < 0) fail("cannot open", path, errno);
  termios found{};
  if (::tcgetattr(fd_, &found) != 0) {
    const int error = errno;
    close();
    fail("cannot open", path, error);
  }
  found_ = found;
  const termios line = receiverLine(found);
  if (::tcsetattr(fd_, TCSANOW, &line) != 0) {
    const int error = errno;
    close();
    fail("cannot set the line of", path, error);
  }
  // Another program opening the line meanwhile would split the receiver's
  // bytes; DTR and RTS on, as some receivers draw power from them. A
  // pseudo-terminal refuses the lines: that is no failure.
  ::ioctl(fd_, TIOCEXCL);
  const int lines = TIOCM_DTR | TIOCM_RTS;
  ::ioctl(fd_, TIOCMBIS, &lines);
}

SerialLine::~SerialLine() { close(); }

std::string SerialLine::readAvailable() {
  char bytes[4096];
  for (;;) {
    const ssize_t got = ::read(fd_, bytes, sizeof bytes);
    if (got > 0) return std::string(bytes, static_cast<std::size_t>(got));
    if (got < 0 && errno == EINTR) continue;
    if (got < 0 && errno == EAGAIN) {
      // Nothing waiting: on a line that has hung up, poll says so.
      pollfd state{fd_, POLLIN, 0};
      if (::poll(&state, 1, 0) > 0 && (state.revents & (POLLHUP | POLLERR | POLLNVAL)) != 0) break;
      return {};
    }
    if (got < 0 && errno != EIO) fail("cannot read", path_, errno);
    break;  // end of file or EIO: the line hung up
  }
  throw std::runtime_error(path_ + " went away");
}

void SerialLine::write(std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t put = ::write(fd_, bytes.data(), bytes.size());
    if (put < 0 && errno == EINTR) continue;
    if (put < 0 && errno == EAGAIN) {
      // A line that takes nothing for this long is stuck: said, not waited on.
      pollfd room{fd_, POLLOUT, 0};
      if (::poll(&room, 1, kStallLimitMs) == 0) fail("cannot write to", path_, ETIMEDOUT);
      continue;
    }
    if (put < 0) fail("cannot write to", path_, errno);
    bytes.remove_prefix(static_cast<std::size_t>(put));
  }
  waitUntilSent();
}

void SerialLine::waitUntilSent() {
  // As tcdrain(), but bounded: the bytes have left once the output queue is
  // empty; a stuck line ends the wait at the limit.
  for (int waited = 0; waited < kStallLimitMs; waited += kSentPollMs) {
    int queued = 0;
    if (::ioctl(fd_, TIOCOUTQ, &queued) != 0 || queued == 0) return;
    ::usleep(kSentPollMs * 1000);
  }
}

void SerialLine::restoreFoundSettings() {
  if (fd_ >= 0 && found_) ::tcsetattr(fd_, TCSANOW, &*found_);
}

void SerialLine::close() {
  if (fd_ < 0) return;
  ::ioctl(fd_, TIOCNXCL);
  ::close(fd_);
  fd_ = -1;
}

}  // namespace vx
