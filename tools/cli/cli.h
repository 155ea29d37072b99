// SPDX-License-Identifier: MIT
// Small helpers shared by the command-line tools: argument values, and the
// exit statuses of all the tools, each number here once.
#pragma once

#include <iostream>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "control/core/date_time.h"

namespace vx::cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1;
inline constexpr int kExitUsage = 2;
// vxinit: the run's deadline (--timeout) came first: no fix, or not the count.
inline constexpr int kExitTimeout = 3;
// vxinit: the device was left alone: nothing to do, which a service counts as success.
inline constexpr int kExitLeftAlone = 4;
// After a signal, the shell's convention: 128 + its number (130 for SIGINT,
// 143 for SIGTERM, 129 for SIGHUP, 141 for a reader that went away).
inline constexpr int exitAfterSignal(int signal) { return 128 + signal; }

// Standard output could not take what the tool wrote: a full disk, a
// closed descriptor, a reader that went away (`readerGone`).
class OutputError : public std::runtime_error {
 public:
  OutputError(const std::string& reason, bool readerGone) : std::runtime_error(reason), readerGone_(readerGone) {}
  bool readerGone() const { return readerGone_; }

 private:
  bool readerGone_;
};

// True for the options every tool answers by printing and ending with 0:
// -h, --help (the usage) and --version (the tool's name and version).
bool isHelpOrVersion(std::string_view arg);
[[noreturn]] void answerHelpOrVersion(std::string_view arg, std::string_view tool, std::string_view usage);

// Fails with OutputError when standard output is not open at all: what the
// tool writes must never land in a descriptor opened later for something
// else. Also makes a reader that goes away a failed write, not a signal.
void requireStandardOutput();
// Writes `text` and a line feed to standard output (buffered).
void writeLine(std::string_view text);
// Hands what is buffered to standard output; OutputError when it cannot.
void flushOutput();

// Bad arguments: the tool prints the message and its usage, and exits 2.
class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Walks argv: options with or without a value, and positional arguments.
// A value follows its option as the next argument or joined to it with "="
// ("--tz -5.5" or "--tz=-5.5"); an option that takes none may not have one.
class Arguments {
 public:
  Arguments(int argc, char** argv) : argc_(argc), argv_(argv) {}

  bool done() const { return next_ >= argc_ && !joinedValue_; }
  // The next option ("--tz" of "--tz=-5.5") or positional argument.
  std::string_view take();
  // The value that must follow `option`.
  std::string_view value(std::string_view option);

 private:
  int argc_;
  char** argv_;
  int next_ = 1;
  std::string_view taken_;
  std::optional<std::string_view> joinedValue_;  // of taken_, not yet asked for
};

// Runs `parse`; on a UsageError prints "tool: message" and the usage on
// stderr and returns nothing (the tool then exits with kExitUsage).
template <typename Parse>
auto parseOrExplain(std::string_view tool, std::string_view usage, Parse&& parse) -> std::optional<decltype(parse())> {
  try {
    return parse();
  } catch (const UsageError& error) {
    std::cerr << tool << ": " << error.what() << '\n' << usage;
    return std::nullopt;
  }
}

// A whole decimal integer within [min, max], or UsageError naming `what`.
long integerIn(std::string_view text, long min, long max, std::string_view what);
// A whole decimal number, or UsageError naming `what`.
double number(std::string_view text, std::string_view what);
// "YYYY-MM-DD HH:MM:SS" as a valid calendar date and time.
DateTime dateTime(std::string_view text);
// `text` if it is one of `choices` (separated by "|"), else UsageError.
std::string oneOf(std::string_view text, std::string_view choices, std::string_view what);

}  // namespace vx::cli
