// vxdecode: decodes a recording of the receiver's serial output offline,
// as the control would see it live, and prints the sentences and every
// write to the receiver in the order they happen.
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <iostream>
#include <string>

#include "cli.h"
#include "number_text.h"
#include "receiver_link.h"

namespace {

constexpr const char* kUsage =
    "usage: vxdecode [FILE|-] [--chunk N] [--awake] [--clock \"YYYY-MM-DD HH:MM:SS\"] [--tz H]\n"
    "                [--lat TEXT] [--lat-hem N|S] [--lon TEXT] [--lon-hem E|W]\n"
    "Feeds FILE (or standard input) through the receiver link in chunks of N bytes\n"
    "(default 64) and prints each sentence, and each write to the receiver as \"TX\"\n"
    "and its bytes in hexadecimal.\n";

struct Options {
  std::string path = "-";
  std::size_t chunk = 64;
  bool awake = false;
  std::optional<vx::DateTime> clock;
  vx::LinkSettings settings;
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
      options.settings.timeZone = static_cast<int16_t>(vx::cli::integerIn(args.value(arg), -32768, 32767, "--tz"));
    } else if (arg == "--lat") {
      options.settings.latitude = std::string(args.value(arg));
    } else if (arg == "--lat-hem") {
      options.settings.latHemisphere = vx::cli::oneOf(args.value(arg), "N|S", "--lat-hem");
    } else if (arg == "--lon") {
      options.settings.longitude = vx::cli::number(args.value(arg), "--lon");
    } else if (arg == "--lon-hem") {
      options.settings.longHemisphere = vx::cli::oneOf(args.value(arg), "E|W", "--lon-hem");
    } else if (arg == "--help" || arg == "-h") {
      std::cout << kUsage;
      std::exit(vx::cli::kExitOk);
    } else if ((arg == "-" || !arg.starts_with("-")) && !havePath) {
      options.path = std::string(arg);
      havePath = true;
    } else {
      throw vx::cli::UsageError("unexpected argument \"" + std::string(arg) + "\"");
    }
  }
  return options;
}

// The whole file, or standard input for "-"; a failure names the file and
// the system's reason.
std::string readAll(const std::string& path) {
  const int fd = path == "-" ? STDIN_FILENO : ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  const auto failure = [&path] {
    return std::runtime_error("vxdecode: cannot read " + path + ": " + std::strerror(errno));
  };
  if (fd < 0) throw failure();
  std::string bytes;
  char block[65536];
  for (;;) {
    const ssize_t got = ::read(fd, block, sizeof block);
    if (got == 0) break;
    if (got < 0) {
      if (errno == EINTR) continue;
      const auto error = failure();
      if (fd != STDIN_FILENO) ::close(fd);
      throw error;
    }
    bytes.append(block, static_cast<std::size_t>(got));
  }
  if (fd != STDIN_FILENO) ::close(fd);
  return bytes;
}

void printWrite(std::string_view bytes) { std::cout << "TX " << vx::hexBytes(bytes) << '\n'; }

int run(const Options& options) {
  const std::string recording = readAll(options.path);
  vx::LocalClock clock = options.clock ? vx::LocalClock([c = *options.clock] { return c; })
                                       : vx::LocalClock(vx::systemLocalTime);
  vx::ReceiverLink link(std::move(clock), printWrite);
  link.settings() = options.settings;
  if (options.awake) link.assumeAwake();
  const auto printWaiting = [&link] {
    while (link.sentencesWaiting()) std::cout << link.getmsg() << '\n';
    return true;
  };
  const std::string_view bytes(recording);
  for (std::size_t at = 0; at < bytes.size(); at += options.chunk) {
    link.receive(bytes.substr(at, options.chunk), printWaiting);
  }
  std::cout.flush();
  return vx::cli::kExitOk;
}

}  // namespace

int main(int argc, char** argv) {
  const auto parsed = vx::cli::parseOrExplain("vxdecode", kUsage, [&] { return parse(argc, argv); });
  if (!parsed) return vx::cli::kExitUsage;
  Options options = *parsed;
    try {
    return run(options);
  } catch (const std::exception& error) {
    std::cerr << error.what() << '\n';
    return vx::cli::kExitFailure;
  }
}
