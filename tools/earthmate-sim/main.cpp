// SPDX-License-Identifier: MIT
// earthmate-sim: a stand-in Earthmate receiver on a pseudo-terminal, so that
// the control can be run, shown and tested without the hardware.
#include <fcntl.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

#include <cmath>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <random>

#include "serial/port_link.h"
#include "tools/cli/cli.h"
#include "tools/cli/receiver_options.h"
#include "tools/earthmate-sim/simulator.h"

namespace {

namespace fs = std::filesystem;

// The help text; the manual page earthmate-sim(1) is made from it.
const std::string kUsage =
    "Usage: earthmate-sim [OPTION]...\n"
    "Play an Earthmate GPS receiver on a pseudo-terminal and print the device's\n"
    "path. The receiver sends \"EARTHA\" every 0.5 s until the host answers, then\n"
    "messages 1000, 1002 and 1003 once a second; it checks and logs the\n"
    "initialisation message it receives, and finds its fix after --warm seconds\n"
    "when that was right, else --cold seconds after power-up.\n"
    "\n"
    "  --link N          make the device serial port N: ~/.config/vx/comN links to\n"
    "                    it until the simulator ends (a link to a device that exists\n"
    "                    is never replaced)\n"
    "  --at LAT,LON      the true position in signed degrees (default 52.0626,5.1385)\n"
    "  --warm S          seconds to the fix after a right initialisation (default 8)\n"
    "  --cold S          seconds to the fix without one (default 45)\n"
    "  --speed F         run the clock F times faster, 0.01 to 1000 (default 1)\n"
    "  --chunk N         write in pieces of N bytes\n"
    "  --burst           write each second's messages at once\n"
    "  --junk P          with probability P, random bytes after a message\n"
    "  --hangup-after S  close the line after S seconds\n"
    "  --awake           woken earlier: binary from the start, no \"EARTHA\"\n"
    "  --duration S      end after S seconds\n"
    "  --seed N          the seed of the sky, the noise and the random faults\n"
    "  --verbose         log every message sent\n"
    "  -h, --help        show this help and exit\n"
    "      --version     show the version and exit\n"
    "\n"
    "Exit status:\n"
    "  0    --duration or --hangup-after ended it\n"
    "  1    no pseudo-terminal, or the port link cannot be made\n"
    "  2    bad arguments\n"
    "  129, 130, 143  SIGHUP, SIGINT or SIGTERM ended it (128 + the signal)\n";

// Slower, and the simulator's clock would hardly move; faster, and a second
// of the receiver would take less time than writing it.
constexpr double kSlowest = 0.01;
constexpr double kFastest = 1000;

struct Options {
  vx::sim::SimulatorOptions simulator;
  int link = 0;
};

double positive(std::string_view text, std::string_view what) {
  const double value = vx::cli::number(text, what);
  if (!(value > 0)) throw vx::cli::UsageError(std::string(what) + " must be above 0");
  return value;
}

Options parse(int argc, char** argv) {
  Options options;
  auto& sim = options.simulator;
  sim.seed = std::random_device{}();
  vx::cli::Arguments args(argc, argv);
  while (!args.done()) {
    const std::string_view arg = args.take();
    if (arg == "--link") {
      options.link = vx::cli::portNumber(args.value(arg), arg);
    } else if (arg == "--at") {
      const std::string_view at = args.value(arg);
      const std::size_t comma = at.find(',');
      if (comma == std::string_view::npos) throw vx::cli::UsageError("--at must read LAT,LON");
      sim.model.latitude = vx::cli::number(at.substr(0, comma), "--at latitude");
      sim.model.longitude = vx::cli::number(at.substr(comma + 1), "--at longitude");
      if (std::fabs(sim.model.latitude) > 90 || std::fabs(sim.model.longitude) > 180) {
        throw vx::cli::UsageError("--at must be a latitude within 90 and a longitude within 180 degrees");
      }
    } else if (arg == "--warm") {
      sim.model.warmSeconds = positive(args.value(arg), "--warm");
    } else if (arg == "--cold") {
      sim.model.coldSeconds = positive(args.value(arg), "--cold");
    } else if (arg == "--speed") {
      sim.speed = vx::cli::number(args.value(arg), "--speed");
      if (!(sim.speed >= kSlowest && sim.speed <= kFastest)) {
        throw vx::cli::UsageError("--speed must be from 0.01 to 1000 times real time");
      }
    } else if (arg == "--chunk") {
      sim.chunk = static_cast<std::size_t>(vx::cli::integerIn(args.value(arg), 1, 1 << 20, "--chunk"));
    } else if (arg == "--burst") {
      sim.burst = true;
    } else if (arg == "--junk") {
      sim.junk = vx::cli::number(args.value(arg), "--junk");
      if (!(sim.junk >= 0 && sim.junk <= 1)) throw vx::cli::UsageError("--junk must be a probability from 0 to 1");
    } else if (arg == "--hangup-after") {
      sim.hangupAfter = positive(args.value(arg), "--hangup-after");
    } else if (arg == "--duration") {
      sim.duration = positive(args.value(arg), "--duration");
    } else if (arg == "--awake") {
      sim.awake = true;
    } else if (arg == "--seed") {
      sim.seed = static_cast<uint32_t>(vx::cli::integerIn(args.value(arg), 0, 0xFFFFFFFF, "--seed"));
    } else if (arg == "--verbose") {
      sim.verbose = true;
    } else if (vx::cli::isHelpOrVersion(arg)) {
      vx::cli::answerHelpOrVersion(arg, "earthmate-sim", kUsage);
    } else {
      throw vx::cli::UsageError("unexpected argument \"" + std::string(arg) + "\"");
    }
  }
  return options;
}

volatile std::sig_atomic_t stopRequested = 0;

void onSignal(int signal) { stopRequested = signal; }

// The port link, created at start and removed at exit if it still names our device.
class PortLink {
 public:
  PortLink(int port, const std::string& device) : device_(device) {
    if (port == 0) return;
    path_ = vx::portLinkPath(port);
    fs::create_directories(fs::path(path_).parent_path());
    std::error_code error;
    if (fs::is_symlink(path_, error)) {
      // A link to a device that is gone was left by a simulator that was
      // killed: it may go. A live one may be another simulator's, or the user's.
      const fs::path target = fs::read_symlink(path_, error);
      if (fs::exists(target, error)) {
        throw std::runtime_error(path_ + " already points at " + target.string() +
                                 " (another simulator, or your device); choose another --link");
      }
      fs::remove(path_, error);
    } else if (fs::exists(path_, error)) {
      throw std::runtime_error(path_ + " exists and is not a link; choose another --link");
    }
    vx::linkPort(port, device_);
    std::fprintf(stderr, "earthmate-sim: %s linked as port %d (%s)\n", device_.c_str(), port, path_.c_str());
  }
  ~PortLink() {
    std::error_code error;
    if (!path_.empty() && fs::is_symlink(path_, error) && fs::read_symlink(path_, error) == device_) fs::remove(path_, error);
  }

 private:
  std::string device_;
  std::string path_;
};

}  // namespace

int main(int argc, char** argv) {
  const auto parsed = vx::cli::parseOrExplain("earthmate-sim", kUsage, [&] { return parse(argc, argv); });
  if (!parsed) return vx::cli::kExitUsage;
  Options options = *parsed;
    int master = -1, slave = -1;
  char name[256];
  termios raw{};
  cfmakeraw(&raw);  // no echo: what we send must not come back as the host's
  if (openpty(&master, &slave, name, &raw, nullptr) != 0) {
    std::perror("earthmate-sim: cannot open a pseudo-terminal");
    return vx::cli::kExitFailure;
  }
  fcntl(master, F_SETFL, fcntl(master, F_GETFL) | O_NONBLOCK);
  fcntl(master, F_SETFD, FD_CLOEXEC);
  fcntl(slave, F_SETFD, FD_CLOEXEC);  // held open so that the line stays up between hosts

  struct sigaction action {};
  action.sa_handler = onSignal;
  for (const int signal : {SIGHUP, SIGINT, SIGTERM}) sigaction(signal, &action, nullptr);
  std::signal(SIGPIPE, SIG_IGN);

  try {
    const PortLink link(options.link, name);
    std::printf("%s\n", name);
    std::fflush(stdout);
    vx::sim::Simulator(options.simulator, master).run(stopRequested);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "earthmate-sim: %s\n", error.what());
    return vx::cli::kExitFailure;
  }
  ::close(master);
  ::close(slave);
  return stopRequested != 0 ? vx::cli::exitAfterSignal(stopRequested) : vx::cli::kExitOk;
}
