// SPDX-License-Identifier: MIT
#include "tools/cli/cli.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <charconv>
#include <chrono>
#include <cstring>
#include <utility>

#include "common/number_text.h"

namespace vx::cli {
namespace {

[[noreturn]] void failOutput(int error) {
  throw OutputError(std::string("cannot write to standard output: ") + std::strerror(error), error == EPIPE);
}

}  // namespace

bool isHelpOrVersion(std::string_view arg) { return arg == "-h" || arg == "--help" || arg == "--version"; }

void answerHelpOrVersion(std::string_view arg, std::string_view tool, std::string_view usage) {
  if (arg == "--version") {
    std::cout << tool << " (Kestrune) " << KESTRUNE_VERSION << "\n";
  } else {
    std::cout << usage;
  }
  std::cout.flush();
  std::exit(std::cout ? kExitOk : kExitFailure);
}

void requireStandardOutput() {
  if (::fcntl(STDOUT_FILENO, F_GETFD) < 0) failOutput(errno);
  std::signal(SIGPIPE, SIG_IGN);
}

void writeLine(std::string_view text) {
  if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size() || std::fputc('\n', stdout) == EOF) {
    failOutput(errno);
  }
}

void flushOutput() {
  if (std::fflush(stdout) != 0 || std::ferror(stdout)) failOutput(errno != 0 ? errno : EIO);
}


std::string_view Arguments::take() {
  if (joinedValue_) throw UsageError(std::string(taken_) + " takes no value");
  taken_ = argv_[next_++];
  if (const std::size_t equals = taken_.find('='); taken_.starts_with("--") && equals != std::string_view::npos) {
    joinedValue_ = taken_.substr(equals + 1);
    taken_ = taken_.substr(0, equals);
  }
  return taken_;
}

std::string_view Arguments::value(std::string_view option) {
  if (joinedValue_) return *std::exchange(joinedValue_, std::nullopt);
  if (next_ >= argc_) throw UsageError(std::string(option) + " needs a value");
  return argv_[next_++];  // as it stands: a value may begin with "-"
}

long integerIn(std::string_view text, long min, long max, std::string_view what) {
  long value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || value < min || value > max) {
    throw UsageError(std::string(what) + " must be a whole number from " + std::to_string(min) +
                     " to " + std::to_string(max) + ", not \"" + std::string(text) + "\"");
  }
  return value;
}

double number(std::string_view text, std::string_view what) {
  const auto value = parseNumber(text);
  if (!value) throw UsageError(std::string(what) + " must be a number, not \"" + std::string(text) + "\"");
  return *value;
}

DateTime dateTime(std::string_view text) {
  const auto field = [&](std::size_t at, std::size_t width, long min, long max) {
    return static_cast<int>(integerIn(text.substr(at, width), min, max, "--clock"));
  };
  if (text.size() != 19 || text[4] != '-' || text[7] != '-' || text[10] != ' ' || text[13] != ':' ||
      text[16] != ':') {
    throw UsageError("--clock must read \"YYYY-MM-DD HH:MM:SS\", not \"" + std::string(text) + "\"");
  }
  const DateTime value{field(0, 4, 1, 9999), field(5, 2, 1, 12), field(8, 2, 1, 31),
                       field(11, 2, 0, 23),  field(14, 2, 0, 59), field(17, 2, 0, 59)};
  using namespace std::chrono;
  if (!(year{value.year} / month{static_cast<unsigned>(value.month)} / day{static_cast<unsigned>(value.day)}).ok()) {
    throw UsageError("--clock names a day that does not exist: \"" + std::string(text) + "\"");
  }
  return value;
}

std::string oneOf(std::string_view text, std::string_view choices, std::string_view what) {
  std::string_view rest = choices;
  while (!rest.empty()) {
    const std::size_t bar = rest.find('|');
    if (rest.substr(0, bar) == text) return std::string(text);
    rest = bar == std::string_view::npos ? std::string_view() : rest.substr(bar + 1);
  }
  throw UsageError(std::string(what) + " must be " + std::string(choices) + ", not \"" + std::string(text) + "\"");
}

}  // namespace vx::cli
