// SPDX-License-Identifier: MIT
// A scripted receiver on the master side of a real pseudo-terminal. The
// slave side is what the control opens; linkAsPort(N) makes it port N in a
// private configuration folder (XDG_CONFIG_HOME points there while this
// object lives).
#pragma once

#include <chrono>
#include <memory>
#include <string>
#include <string_view>

class QTemporaryDir;

namespace vx::test {

class PtyReceiver {
 public:
  PtyReceiver();
  ~PtyReceiver();
  PtyReceiver(const PtyReceiver&) = delete;
  PtyReceiver& operator=(const PtyReceiver&) = delete;

  const std::string& devicePath() const { return slavePath_; }
  void linkAsPort(int port);

  void write(std::string_view bytes);
  // What the host has written so far, waiting up to `timeout` for at least
  // `atLeast` bytes.
  std::string read(std::size_t atLeast, std::chrono::milliseconds timeout = std::chrono::seconds(2));
  // Hangs up: closes the master side, as a pulled cable.
  void hangUp();

 private:
  int master_ = -1;
  int slave_ = -1;  // held open so that the line stays up while the host reopens
  std::string slavePath_;
  std::unique_ptr<QTemporaryDir> config_;
  std::string buffered_;
};

// Runs the Qt event loop until `done` holds or `timeout` passes; returns `done()`.
template <typename Predicate>
bool waitUntil(Predicate done, std::chrono::milliseconds timeout = std::chrono::seconds(3));

void processEventsFor(std::chrono::milliseconds duration);

}  // namespace vx::test

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

template <typename Predicate>
bool vx::test::waitUntil(Predicate done, std::chrono::milliseconds timeout) {
  QElapsedTimer timer;
  timer.start();
  while (!done()) {
    if (timer.elapsed() > timeout.count()) return done();
    QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    QThread::usleep(200);
  }
  return true;
}
