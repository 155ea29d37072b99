// SPDX-License-Identifier: MIT
#include "app/termination_signals.h"

#include <pthread.h>
#include <signal.h>
#include <sys/signalfd.h>
#include <unistd.h>

#include <initializer_list>

namespace kestrune {
namespace {

sigset_t terminationSignals() {
  sigset_t held;
  sigemptyset(&held);
  for (const int signal : {SIGHUP, SIGINT, SIGTERM}) sigaddset(&held, signal);
  return held;
}

sigset_t maskBeforeHolding;

// A child process starts with the mask this program had before holding
// them, or Ctrl+C and SIGTERM would never reach a program it runs.
void unholdInChild() { ::pthread_sigmask(SIG_SETMASK, &maskBeforeHolding, nullptr); }

}  // namespace

void holdTerminationSignals() {
  const sigset_t held = terminationSignals();
  ::pthread_sigmask(SIG_BLOCK, &held, &maskBeforeHolding);
  ::pthread_atfork(nullptr, nullptr, unholdInChild);
}

TerminationSignals::TerminationSignals() {
  const sigset_t held = terminationSignals();
  descriptor_ = ::signalfd(-1, &held, SFD_NONBLOCK | SFD_CLOEXEC);
}

TerminationSignals::~TerminationSignals() {
  if (descriptor_ >= 0) ::close(descriptor_);
}

void TerminationSignals::endIfArrived(const std::function<void()>& beforeEnding) const {
  signalfd_siginfo arrived {};
  if (::read(descriptor_, &arrived, sizeof arrived) != sizeof arrived) return;
  beforeEnding();
  const int signal = static_cast<int>(arrived.ssi_signo);
  ::signal(signal, SIG_DFL);
  sigset_t one;
  sigemptyset(&one);
  sigaddset(&one, signal);
  ::pthread_sigmask(SIG_UNBLOCK, &one, nullptr);
  ::raise(signal);
  ::_exit(128 + signal);  // not reached: the default action of each of them ends the process
}

}  // namespace kestrune
