// SPDX-License-Identifier: MIT
#include "tests/support/pty_receiver.h"

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

#include <QFile>
#include <QTemporaryDir>
#include <stdexcept>

#include "serial/port_link.h"

namespace vx::test {

PtyReceiver::PtyReceiver() {
  char name[256];
  termios raw{};
  cfmakeraw(&raw);
  if (openpty(&master_, &slave_, name, &raw, nullptr) != 0) throw std::runtime_error("openpty failed");
  slavePath_ = name;
  fcntl(master_, F_SETFL, fcntl(master_, F_GETFL) | O_NONBLOCK);
  // Programs the tests start must not hold the line open.
  fcntl(master_, F_SETFD, FD_CLOEXEC);
  fcntl(slave_, F_SETFD, FD_CLOEXEC);
}

PtyReceiver::~PtyReceiver() {
  if (master_ >= 0) ::close(master_);
  if (slave_ >= 0) ::close(slave_);
  if (config_) qunsetenv("XDG_CONFIG_HOME");
}

void PtyReceiver::linkAsPort(int port) {
  if (!config_) {
    config_ = std::make_unique<QTemporaryDir>();
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config_->path()));
  }
  linkPort(port, slavePath_);
}

void PtyReceiver::write(std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(master_, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EAGAIN || errno == EINTR) {
        pollfd out{master_, POLLOUT, 0};
        ::poll(&out, 1, 100);
        continue;
      }
      throw std::runtime_error("write to the pty master failed");
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
}

std::string PtyReceiver::read(std::size_t atLeast, std::chrono::milliseconds timeout) {
  waitUntil(
      [&] {
        char block[4096];
        for (ssize_t got; (got = ::read(master_, block, sizeof block)) > 0;) {
          buffered_.append(block, static_cast<std::size_t>(got));
        }
        return buffered_.size() >= atLeast;
      },
      timeout);
  return std::exchange(buffered_, std::string());
}

void PtyReceiver::hangUp() {
  ::close(master_);
  ::close(slave_);
  master_ = slave_ = -1;
}

void processEventsFor(std::chrono::milliseconds duration) {
  waitUntil([] { return false; }, duration);
}

}  // namespace vx::test
