// SPDX-License-Identifier: MIT
// vxdecode: decodes a recording of the receiver's serial output offline,
// as the control would see it live, and prints the sentences and every
// write to the receiver in the order they happen.
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cmath>
#include <csignal>
#include <cstdint>
#include <cstring>
#include <iostream>
#include <string>

#include "common/number_text.h"
#include "control/core/link_settings.h"
#include "control/core/receiver_link.h"
#include "position/system_clock.h"
#include "tools/cli/cli.h"
#include "tools/cli/receiver_options.h"

namespace {

// The help text; the manual page vxdecode(1) is made from it.
const std::string kUsage = std::string() +
    "Usage: vxdecode [FILE|-] [OPTION]...\n"
    "Decode a recording of an Earthmate receiver's serial output (FILE, or standard\n"
    "input) as the receiver link control would see it live, and print each NMEA\n"
    "sentence and each write to the receiver (\"TX\" and its bytes in hexadecimal)\n"
    "as the input arrives.\n"
    "\n"
    "  --chunk N         feed the input in reads of at most N bytes (default 64)\n"
    "  --awake           start in binary mode, as for a receiver woken earlier\n"
    "  --clock TIME      the local time the wake reply reads, \"YYYY-MM-DD HH:MM:SS\"\n"
    "                    (default: now)\n" +
    vx::cli::receiverOptionsHelp("                    Default: " + std::string(vx::kDefaultLatitude) + " " +
                                 vx::kDefaultLatHemisphere + " " + vx::kDefaultLongitude + " " +
                                 vx::kDefaultLongHemisphere + "\n") +
    vx::cli::timeDifferenceHelp() +
    "                    Whole hours (default " + std::to_string(vx::kDefaultTimeZone) + ")\n"
    "  --stats           at the end, print to standard error how much was read, how\n"
    "                    many lines and messages were taken, how many messages were\n"
    "                    damaged (a checksum or length that does not hold, no sync\n"
    "                    byte behind) and how many bytes were dropped between them\n"
    "  -h, --help        show this help and exit\n"
    "      --version     show the version and exit\n"
    "\n"
    "The receiver is initialised with the position the control starts with,\n" +
    vx::kDefaultLatitude + " " + vx::kDefaultLatHemisphere + " " + vx::kDefaultLongitude + " " +
    vx::kDefaultLongHemisphere + ", where --lat or --lon does not give another.\n"
    "\n"
    "Exit status:\n"
    "  0    the input was decoded to its end\n"
    "  1    the input cannot be read, or the output cannot be written\n"
    "  2    bad arguments\n"
    "  141  the reader of the output went away\n";

struct Options {
  std::string path = "-";
  std::size_t chunk = 64;
  bool awake = false;
  bool stats = false;
  std::optional<vx::DateTime> clock;
  vx::cli::ReceiverOptions receiver;
  int16_t timeZone = vx::kDefaultTimeZone;
};

Options parse(int argc, char** argv) {
  Options options;
  bool havePath = false;
  vx::cli::Arguments args(argc, argv);
  while (!args.done()) {
    const std::string_view arg = args.take();
    if (arg == "--chunk") {
      options.chunk = static_cast<std::size_t>(vx::cli::integerIn(args.value(arg), 1, 1 << 30, "--chunk"));
    } else if (arg == "--awake") {
      options.awake = true;
    } else if (arg == "--clock") {
      options.clock = vx::cli::dateTime(args.value(arg));
    } else if (arg == "--tz") {
      const std::string_view value = args.value(arg);
      const double hours = vx::cli::timeDifferenceHours(value);
      if (hours != std::trunc(hours)) {
        throw vx::cli::UsageError("--tz must be whole hours, not \"" + std::string(value) + "\"");
      }
      options.timeZone = static_cast<int16_t>(hours);
    } else if (options.receiver.take(arg, args)) {
      // --lat, --lat-hem, --lon, --lon-hem, --satellites
    } else if (arg == "--stats") {
      options.stats = true;
    } else if (vx::cli::isHelpOrVersion(arg)) {
      vx::cli::answerHelpOrVersion(arg, "vxdecode", kUsage);
    } else if ((arg == "-" || !arg.starts_with("-")) && !havePath) {
      options.path = std::string(arg);
      havePath = true;
    } else {
      throw vx::cli::UsageError("unexpected argument \"" + std::string(arg) + "\"");
    }
  }
  return options;
}

// The recording, block by block as it arrives: a day's log takes no more
// memory than a block, and `vxdecode - < /dev/ttyUSB0` prints live.
class Recording {
 public:
  explicit Recording(const std::string& path)
      : path_(path), fd_(path == "-" ? STDIN_FILENO : ::open(path.c_str(), O_RDONLY | O_CLOEXEC)) {
    if (fd_ < 0) fail();
  }
  ~Recording() {
    if (fd_ > STDIN_FILENO) ::close(fd_);
  }
  Recording(const Recording&) = delete;
  Recording& operator=(const Recording&) = delete;

  // The next block; empty at the end.
  std::string_view next() {
    for (;;) {
      const ssize_t got = ::read(fd_, block_, sizeof block_);
      if (got >= 0) return {block_, static_cast<std::size_t>(got)};
      if (errno != EINTR) fail();
    }
  }

 private:
  [[noreturn]] void fail() const {
    throw std::runtime_error("vxdecode: cannot read " + path_ + ": " + std::strerror(errno));
  }

  std::string path_;
  int fd_;
  char block_[65536];
};

void printWrite(std::string_view bytes) { vx::cli::writeLine("TX " + vx::hexBytes(bytes)); }

// One "what: count" line each, for people and scripts alike.
void printStats(uint64_t bytesRead, const vx::ReceiveCounts& counts) {
  std::cerr << "bytes read: " << bytesRead << '\n'
            << "lines: " << counts.lines << '\n'
            << "messages accepted: " << counts.messages << '\n'
            << "messages damaged: " << counts.damagedMessages << '\n'
            << "bytes dropped: " << counts.droppedBytes << '\n';
}

// Feeds the recording in reads of at most --chunk bytes. The link's output
// does not depend on how its input is cut, so this prints what feeding the
// whole recording in chunks of --chunk prints, as the input arrives.
int run(const Options& options) {
  vx::cli::requireStandardOutput();
  Recording recording(options.path);
  vx::LocalClock clock = options.clock ? vx::LocalClock([c = *options.clock] { return c; })
                                       : vx::LocalClock(vx::systemLocalTime);
  vx::ReceiverLink link(clock, printWrite);
  options.receiver.applyTo(link.settings());
  vx::setTimeZone(link.settings(), options.timeZone, clock());
  if (options.awake) link.assumeAwake();
  const auto printWaiting = [&link] {
    while (link.sentencesWaiting()) vx::cli::writeLine(link.takeSentence());
    return true;
  };
  uint64_t bytesRead = 0;
  for (std::string_view block = recording.next(); !block.empty(); block = recording.next()) {
    for (std::size_t at = 0; at < block.size(); at += options.chunk) {
      link.receive(block.substr(at, options.chunk), printWaiting);
    }
    bytesRead += block.size();
    vx::cli::flushOutput();
  }
  if (options.stats) printStats(bytesRead, link.counts());
  return vx::cli::kExitOk;
}

}  // namespace

int main(int argc, char** argv) {
  const auto parsed = vx::cli::parseOrExplain("vxdecode", kUsage, [&] { return parse(argc, argv); });
  if (!parsed) return vx::cli::kExitUsage;
  Options options = *parsed;
  try {
    return run(options);
  } catch (const vx::cli::OutputError& error) {
    if (error.readerGone()) return vx::cli::exitAfterSignal(SIGPIPE);  // `vxdecode | head`: the reader has enough
    std::cerr << "vxdecode: " << error.what() << '\n';
    return vx::cli::kExitFailure;
  } catch (const std::exception& error) {
    std::cerr << error.what() << '\n';
    return vx::cli::kExitFailure;
  }
}
