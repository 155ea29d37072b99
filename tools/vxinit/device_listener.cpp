// SPDX-License-Identifier: MIT
#include "device_listener.h"

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QSocketNotifier>
#include <QTimer>
#include <cerrno>
#include <cstring>
#include <stdexcept>

namespace vx {
namespace {

// The receiver's line: 9600 baud, 8 data bits, no parity, 1 stop bit, raw.
void setReceiverLine(int fd) {
  termios line{};
  if (::tcgetattr(fd, &line) != 0) return;  // not a terminal: read as it is
  ::cfmakeraw(&line);
  ::cfsetspeed(&line, B9600);
  line.c_cflag |= CLOCAL | CREAD;
  line.c_cflag &= ~(CSTOPB | PARENB);
  ::tcsetattr(fd, TCSANOW, &line);
}

}  // namespace

DeviceListener::DeviceListener(const QString& device)
    : fd_(::open(QFile::encodeName(device).constData(), O_RDONLY | O_NOCTTY | O_NONBLOCK | O_CLOEXEC)) {
  if (fd_ < 0) throw std::runtime_error("cannot open " + device.toStdString() + ": " + std::strerror(errno));
  setReceiverLine(fd_);
  notifier_ = new QSocketNotifier(fd_, QSocketNotifier::Read, this);
  connect(notifier_, &QSocketNotifier::activated, this, &DeviceListener::readAvailable);
}

DeviceListener::~DeviceListener() {
  delete notifier_;
  ::close(fd_);
}

Speech DeviceListener::listen(double limitSeconds) {
  if (speech_.verdict() != Speech::kUndecided) return speech_.verdict();
  QEventLoop loop;
  QTimer limit;
  limit.setSingleShot(true);
  limit.setTimerType(Qt::PreciseTimer);  // a coarse timer may end the wait up to 5 % early
  connect(&limit, &QTimer::timeout, &loop, &QEventLoop::quit);
  if (limitSeconds > 0) limit.start(static_cast<int>(limitSeconds * 1000));
  const auto decided = connect(notifier_, &QSocketNotifier::activated, &loop, [&] {
    if (speech_.verdict() != Speech::kUndecided) loop.quit();
  });
  loop.exec();
  disconnect(decided);
  return speech_.verdict();
}

void DeviceListener::echoLines(std::function<void(const QByteArray&)> line) {
  echo_ = std::move(line);
  echoPending();
}

void DeviceListener::readAvailable() {
  char bytes[4096];
  const ssize_t got = ::read(fd_, bytes, sizeof bytes);
  if (got < 0 && (errno == EAGAIN || errno == EINTR)) return;
  if (got <= 0) {
    notifier_->setEnabled(false);
    emit gone();
    return;
  }
  // Kept from the start, so that echoLines prints the lines that told what the device is.
  if (echo_ || speech_.verdict() == Speech::kUndecided) pending_.append(bytes, got);
  speech_.hear(std::string_view(bytes, static_cast<std::size_t>(got)));
  echoPending();
}

void DeviceListener::echoPending() {
  if (!echo_) return;
  for (qsizetype end = pending_.indexOf('\n'); end >= 0; end = pending_.indexOf('\n')) {
    QByteArray line = pending_.left(end + 1);
    pending_.remove(0, end + 1);
    echo_(line.trimmed());
  }
}

}  // namespace vx
