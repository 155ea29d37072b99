// Small helpers shared by the command-line tools: argument values and the
// exit codes the tools agree on.
#pragma once

#include <iostream>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "date_time.h"

namespace vx::cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1;
inline constexpr int kExitUsage = 2;

// Bad arguments: the tool prints the message and its usage, and exits 2.
class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Walks argv: options with or without a value, and positional arguments.
class Arguments {
 public:
  Arguments(int argc, char** argv) : argc_(argc), argv_(argv) {}

  bool done() const { return next_ >= argc_; }
  std::string_view take() { return argv_[next_++]; }
  // The value that must follow `option`.
  std::string_view value(std::string_view option);

 private:
  int argc_;
  char** argv_;
  int next_ = 1;
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
