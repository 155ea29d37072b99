// SPDX-License-Identifier: MIT
#include "tools/vxinit/line_wait.h"

#include <poll.h>
#include <signal.h>
#include <sys/signalfd.h>
#include <unistd.h>

#include <cerrno>

namespace vx {

int blockEndingSignals() {
  sigset_t ending;
  sigemptyset(&ending);
  for (const int signal : {SIGHUP, SIGINT, SIGTERM}) sigaddset(&ending, signal);
  const int fd = ::signalfd(-1, &ending, SFD_NONBLOCK | SFD_CLOEXEC);
  if (fd >= 0) sigprocmask(SIG_BLOCK, &ending, nullptr);
  return fd;
}

std::optional<int> takeEndingSignal(int signalFd) {
  signalfd_siginfo info{};
  if (signalFd < 0 || ::read(signalFd, &info, sizeof info) != static_cast<ssize_t>(sizeof info)) return {};
  return static_cast<int>(info.ssi_signo);
}

Woken waitFor(int lineFd, int signalFd, std::optional<Moment> until) {
  pollfd watched[2] = {{signalFd, POLLIN, 0}, {lineFd, POLLIN, 0}};
  for (;;) {
    int timeout = -1;
    if (until) {
      const auto left = *until - std::chrono::steady_clock::now();
      if (left <= std::chrono::steady_clock::duration::zero()) return Woken::kTime;
      // Rounded up: a wait never ends before its moment, nor spins just short of it.
      timeout = static_cast<int>(std::min<std::chrono::milliseconds::rep>(
          std::chrono::ceil<std::chrono::milliseconds>(left).count(), 1 << 30));
    }
    const int ready = ::poll(watched, 2, timeout);
    if (ready < 0 && errno != EINTR) return Woken::kTime;  // nothing can be waited for any more
    if (ready <= 0) continue;
    if (watched[0].revents != 0) return Woken::kSignal;
    if (watched[1].revents != 0) return Woken::kLine;
  }
}

std::optional<Moment> earlier(std::optional<Moment> a, std::optional<Moment> b) {
  if (!a) return b;
  if (!b) return a;
  return std::min(*a, *b);
}

std::optional<Moment> after(double seconds) {
  if (seconds <= 0) return {};
  return std::chrono::steady_clock::now() +
         std::chrono::duration_cast<std::chrono::steady_clock::duration>(std::chrono::duration<double>(seconds));
}

}  // namespace vx
