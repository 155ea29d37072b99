// SPDX-License-Identifier: MIT
#include "tools/vxinit/receiver_session.h"

#include <csignal>
#include <cstdio>
#include <cstring>
#include <stdexcept>

#include "common/rounding.h"
#include "control/core/init_message.h"
#include "control/core/receiver_link.h"
#include "control/core/wake_up.h"
#include "tools/cli/cli.h"
#include "tools/vxinit/last_fix.h"

namespace vx {
namespace {

int endedBySignal(int signal) {
  std::fprintf(stderr, "vxinit: %s, closing the port\n", strsignal(signal));
  return cli::exitAfterSignal(signal);
}

int lineGone(const std::string& why) {
  std::fprintf(stderr, "vxinit: the receiver's line went away (%s)\n", why.c_str());
  return cli::kExitFailure;
}

void reportSent(std::string_view sent) {
  if (sent == WakeUp::kReply) {
    std::fprintf(stderr, "vxinit: receiver awake: wake reply sent\n");
  } else if (const auto init = decodeInitMessage(sent)) {
    std::fprintf(stderr, "vxinit: initialisation sent: %s\n", describe(*init).c_str());
  } else {
    std::fprintf(stderr, "vxinit: sent %zu bytes\n", sent.size());
  }
}

}  // namespace

LinkSettings linkSettingsFor(const SessionOptions& options, const LocalTime& now) {
  LinkSettings settings;
  options.receiver.applyTo(settings);
  // The clock's own difference as it stands now, to the second, rounded as
  // any difference: found the clock's own, it gives the exact UTC whatever
  // the clock does before the receiver wakes.
  double hours = kDefaultTimeZone;
  if (options.timeZone) {
    hours = *options.timeZone;
  } else if (now.utcOffsetSeconds) {
    hours = -*now.utcOffsetSeconds / 3600.0;
  }
  setTimeZone(settings, static_cast<int16_t>(roundHalfToEven(hours)), now);
  return settings;
}

ReceiverSession::ReceiverSession(SerialLine& line, int signalFd, std::optional<Moment> deadline,
                                 std::string deadlineNotice)
    : line_(line), signalFd_(signalFd), deadline_(deadline), deadlineNotice_(std::move(deadlineNotice)) {}

std::variant<bool, int> ReceiverSession::nextBytes(std::optional<Moment> limit, std::string& bytes) {
  bytes.clear();  // nothing new is never the last bytes again
  for (;;) {
    switch (waitFor(line_.fd(), signalFd_, earlier(limit, deadline_))) {
      case Woken::kSignal:
        if (const auto signal = takeEndingSignal(signalFd_)) return endedBySignal(*signal);
        continue;
      case Woken::kTime:
        if (deadline_ && std::chrono::steady_clock::now() >= *deadline_) {
          std::fprintf(stderr, "vxinit: %s\n", deadlineNotice_.c_str());
          return cli::kExitTimeout;
        }
        return false;
      case Woken::kLine:
        try {
          bytes = line_.readAvailable();
        } catch (const std::runtime_error& error) {
          return lineGone(error.what());
        }
        if (!bytes.empty()) return true;
        continue;
    }
  }
}

std::optional<int> ReceiverSession::listen(double limitSeconds) {
  const std::optional<Moment> limit = after(limitSeconds);
  std::string bytes;
  while (speech_.verdict() == Speech::kUndecided) {
    const auto got = nextBytes(limit, bytes);
    if (const int* exitCode = std::get_if<int>(&got)) return *exitCode;
    if (!std::get<bool>(got)) return {};
    heard_ += bytes;
    speech_.hear(bytes);
  }
  return {};
}

std::optional<int> ReceiverSession::print(const std::string& line) {
  try {
    cli::writeLine(line);
    cli::flushOutput();
  } catch (const cli::OutputError& error) {
    // A reader that has had enough (`vxinit | head -1`) is no failure: the port closes as after a signal.
    if (error.readerGone()) {
      std::fprintf(stderr, "vxinit: the output's reader is gone, closing the port\n");
      return cli::exitAfterSignal(SIGPIPE);
    }
    std::fprintf(stderr, "vxinit: %s\n", error.what());
    return cli::kExitFailure;
  }
  return {};
}

std::optional<int> ReceiverSession::drive(const SessionOptions& options, LocalClock clock,
                                          const std::function<bool(bool initialised)>& handOver,
                                          const std::function<bool(const GeoPoint&)>& validFix) {
  ReceiverLink link(clock, [&](std::string_view bytes) {
    line_.write(bytes);  // throws: the receive path reports it below
    reportSent(bytes);
  });
  link.settings() = linkSettingsFor(options, clock());
  std::fprintf(stderr, "vxinit: %s open, waiting for the receiver\n",
               (options.shownAs.empty() ? line_.path() : options.shownAs).c_str());
  long sentences = 0;
  bool askedToHandOver = false;
  std::optional<int> ending;
  std::string bytes = std::move(heard_);
  for (;;) {
    try {
      link.receive(bytes, [&] {
        while (!ending && link.sentencesWaiting()) {
          const std::string sentence(link.takeSentence());
          ending = print(sentence);
          if (ending) break;
          ++sentences;
          const std::optional<GeoPoint> fix = rmcPosition(sentence);
          if (fix && !validFix(*fix)) ending = cli::kExitFailure;
          else if ((options.untilFix && fix) || (options.count > 0 && sentences >= options.count)) ending = 0;
        }
        return !ending;
      });
    } catch (const std::runtime_error& error) {
      return lineGone(error.what());
    }
    if (ending) return ending;
    if (!askedToHandOver && link.receiverSettled()) {
      askedToHandOver = true;
      if (handOver(link.initialised())) return {};
    }
    const auto got = nextBytes({}, bytes);
    if (const int* exitCode = std::get_if<int>(&got)) return *exitCode;
  }
}

int ReceiverSession::echoLines() {
  std::string pending = std::move(heard_);
  for (;;) {
    for (std::size_t end = pending.find('\n'); end != std::string::npos; end = pending.find('\n')) {
      std::string line = pending.substr(0, end);
      pending.erase(0, end + 1);
      while (!line.empty() && (line.back() == '\r' || line.back() == ' ')) line.pop_back();
      if (const auto failed = print(line)) return *failed;
    }
    std::string bytes;
    const auto got = nextBytes({}, bytes);
    if (const int* exitCode = std::get_if<int>(&got)) return *exitCode;
    pending += bytes;
  }
}

}  // namespace vx
