// SPDX-License-Identifier: MIT
// SIGHUP, SIGINT and SIGTERM end Kestrune between two pieces of work of its
// user-interface thread, never in the middle of one: a save under way is
// finished (no temporary file left, no settings file torn), then the signal
// ends the program as it would have, by its default action (the status a
// shell shows as 128 + its number).
//
// Every thread must hold them: the kernel hands a signal to any thread that
// does not, and its default action there ends the process mid-write. Qt
// starts threads of its own (the X event reader, the D-Bus connection), so
// they are held first thing in main, before Qt starts any, and every later
// thread inherits that. They are then taken on the user-interface thread
// through a signalfd.
#pragma once

#include <functional>

namespace kestrune {

// Holds the three signals in the calling thread and so in every thread it
// starts from now on; a program this one starts gets them unheld again.
// Call it before any thread exists.
void holdTerminationSignals();

// The held signals, as a descriptor that becomes readable when one arrives.
class TerminationSignals {
 public:
  TerminationSignals();
  ~TerminationSignals();
  TerminationSignals(const TerminationSignals&) = delete;
  TerminationSignals& operator=(const TerminationSignals&) = delete;

  // For a QSocketNotifier; -1 when the system gave none.
  int descriptor() const { return descriptor_; }
  // Ends the program by the signal that arrived, if one did, once
  // `beforeEnding` has run (what no destructor will do then); else returns.
  void endIfArrived(const std::function<void()>& beforeEnding) const;

 private:
  int descriptor_;
};

}  // namespace kestrune
