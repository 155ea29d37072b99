// SPDX-License-Identifier: MIT
// vxinit's work on an open serial line, without Qt: listening before
// anything is written (what the device is, device_speech.h), then driving
// the receive path the control uses (ReceiverLink: the wake reply, the
// initialisation message, the sentences), or printing a sleeping
// receiver's lines unanswered. Every wait also ends at a signal, at the
// run's deadline, or when the line goes away, and says so on stderr.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <variant>

#include "control/core/date_time.h"
#include "control/core/link_settings.h"
#include "position/geo_point.h"
#include "serial/serial_line.h"
#include "tools/cli/receiver_options.h"
#include "tools/vxinit/device_speech.h"
#include "tools/vxinit/line_wait.h"

namespace vx {

struct SessionOptions {
  cli::ReceiverOptions receiver;   // the position, and $GPGSV after each $GPGSA
  std::optional<double> timeZone;  // hours to add to local time; nothing: the clock's own difference
  bool untilFix = false;
  long count = 0;        // 0: no limit
  std::string shownAs;   // the port as the user named it: "port 2", "/dev/ttyUSB0"
};

// The settings the receive path initialises the receiver from, as the
// control takes them from its host: the time difference rounded as the
// control rounds it, the clock's own when none is chosen.
LinkSettings linkSettingsFor(const SessionOptions& options, const LocalTime& now);

class ReceiverSession {
 public:
  // What ends the run besides the line: `signalFd` (line_wait.h) and the
  // `deadline`, at which `deadlineNotice` is said and it exits 3.
  ReceiverSession(SerialLine& line, int signalFd, std::optional<Moment> deadline, std::string deadlineNotice);

  // Reads, writing nothing, until the device's speech is known or
  // `limitSeconds` pass (0: no limit). Nothing when it is known or the
  // limit passed (speech() tells which); the exit status when the run
  // ended (a signal, the deadline, the line gone).
  std::optional<int> listen(double limitSeconds);
  const SpeechListener& speech() const { return speech_; }

  // Answers the receiver and prints each sentence until the first valid
  // fix (with untilFix), the count, or an ending; returns the exit status.
  // `handOver` is asked once, as soon as the receiver has its
  // initialisation (true) or is found awake (false): it returns true when the line has been let go,
  // which ends the drive (nothing returned). `validFix` gets the position
  // of each $GPRMC sentence with a valid fix, and returns false when what it must do with
  // it failed (the run then ends with 1).
  std::optional<int> drive(const SessionOptions& options, LocalClock clock,
                           const std::function<bool(bool initialised)>& handOver,
                           const std::function<bool(const GeoPoint&)>& validFix);

  // Prints the device's lines as they come (those heard while listening
  // first), answering nothing, until an ending; returns the exit status.
  int echoLines();

 private:
  // Waits for bytes until `limit` (and the deadline): true with bytes in
  // `bytes`; false at `limit`; the exit status at an ending.
  std::variant<bool, int> nextBytes(std::optional<Moment> limit, std::string& bytes);
  // Prints one line on stdout; the exit status when the output failed.
  std::optional<int> print(const std::string& line);

  SerialLine& line_;
  int signalFd_;
  std::optional<Moment> deadline_;
  std::string deadlineNotice_;
  SpeechListener speech_;
  std::string heard_;  // every byte read while listening, handed on to the drive or the echo
};

}  // namespace vx
