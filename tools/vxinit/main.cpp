// SPDX-License-Identifier: MIT
// vxinit: initialises a receiver from a terminal, for headless machines,
// scripts and the plug-in service. Opens the device by its path and drives
// the control's own receive path (the protocol core) with poll(): no
// widgets, no plugin, no temporary folder. Under systemd it tells the
// service manager when the device may go to gpsd, and learns the fix from
// gpsd.
#include <cstdio>
#include <cstring>
#include <iostream>
#include <limits>
#include <optional>

#include "common/number_text.h"
#include "common/printable_text.h"
#include "gpsd/gpsd_connection.h"
#include "gpsd/gpsd_loan.h"
#include "position/system_clock.h"
#include "serial/port_link.h"
#include "serial/serial_devices.h"
#include "tools/cli/cli.h"
#include "tools/cli/receiver_options.h"
#include "tools/vxinit/gpsd_fix_learning.h"
#include "tools/vxinit/last_fix.h"
#include "tools/vxinit/line_wait.h"
#include "tools/vxinit/listen_first.h"
#include "tools/vxinit/position_choice.h"
#include "tools/vxinit/receiver_session.h"
#include "tools/vxinit/service_notice.h"
#include "tools/vxinit/time_difference_option.h"

namespace {

// Whole seconds, at most 2^31 - 1 ms: the limit --timeout and --listen have always had.
constexpr double kLongestTimeout = std::numeric_limits<int>::max() / 1000;

// The help text; the manual page vxinit(1) is made from it.
const std::string kUsage = std::string() +
    "Usage: vxinit (--port N | --device PATH) [OPTION]...\n"
    "  or:  vxinit --list-ports\n"
    "Wake an Earthmate GPS receiver, initialise it with the UTC time and your\n"
    "approximate position, and print each NMEA sentence it reports.\n"
    "\n"
    "  --port N          use serial port N: the device ~/.config/vx/comN links to,\n"
    "                    else /dev/ttyS<N-1>\n"
    "  --device PATH     use the serial device PATH\n" +
    vx::cli::receiverOptionsHelp("                    --lat and --lon go together; without them the position\n"
                                 "                    is the last fix, else the time zone's place\n") +
    vx::cli::timeDifferenceHelp() +
    "                    Whole hours, or this computer's own difference with its\n"
    "                    half or quarter hour (-5.5 for India). Default: this\n"
    "                    computer's own difference, summer time included, which\n"
    "                    gives the receiver the exact UTC time in every zone,\n"
    "                    even when summer time begins or ends before the\n"
    "                    receiver wakes\n"
    "  --until-fix       exit at the first valid fix\n"
    "  --count N         exit after N sentences\n"
    "  --timeout S       give up after S seconds\n"
    "  --state FILE      a service's own memory: the position comes from the last\n"
    "                    fix in FILE (never from a user's settings), and the first\n"
    "                    valid fix is written to it, in decimal degrees; a damaged\n"
    "                    FILE is ignored with a message\n"
    "  --listen S        before writing anything, listen up to S seconds for the\n"
    "                    receiver: a device that sends something else (NMEA text,\n"
    "                    other bytes) or nothing is left alone, nothing written to\n"
    "                    it (exit status 4); so is a sleeping receiver when there\n"
    "                    is no position to give it\n"
    "  --list-ports      show the devices of ports 1 to 4, whether each is there,\n"
    "                    and the USB serial adapters plugged in, then exit\n"
    "  -h, --help        show this help and exit\n"
    "      --version     show the version and exit\n"
    "\n"
    "Without --lat and --lon (give both, or neither) the position is the last\n"
    "valid fix (in the --state file, else in ~/.config/Kestrune.ini), else the\n"
    "reference point of this computer's time zone; with none of these the\n"
    "receiver is not initialised.\n"
    "\n"
    "Exit status:\n"
    "  0    the first valid fix (--until-fix), or N sentences (--count)\n"
    "  1    the port cannot be used, its device went away, or the output or the\n"
    "       --state file cannot be written\n"
    "  2    bad arguments\n"
    "  3    --timeout ran out first\n"
    "  4    the device was left alone (--listen, or no position): nothing to do\n"
    "  129, 130, 143  SIGHUP, SIGINT or SIGTERM closed the port (128 + the signal)\n"
    "  141  the reader of the output went away; the port was closed\n";

struct Options {
  vx::SessionOptions session;
  int port = 0;
  std::string timeZoneWarning;
  std::string device;
  double timeout = 0;
  std::string stateFile;  // "" without --state
  double listen = 0;      // seconds; 0 without --listen
};

// Ports 1 to 4 and the USB serial adapters, for a user choosing a port.
[[noreturn]] void listPorts() {
  const vx::SerialAdapters adapters = vx::usbSerialAdapters();
  for (int port = 1; port <= vx::kListedPorts; ++port) std::cout << "port " << vx::describePort(port, adapters) << "\n";
  if (adapters.empty()) {
    std::cout << "No USB serial adapter is plugged in.\n";
  } else {
    std::cout << "USB serial adapters:\n";
    for (const vx::SerialAdapter& adapter : adapters) {
      std::cout << "  " << adapter.device << "  " << adapter.description << "\n";
    }
    std::cout << "To make " << adapters.front().device << " port 1: " << vx::linkCommand(1, adapters.front().device)
              << "\n";
  }
  std::cout.flush();
  std::exit(std::cout ? vx::cli::kExitOk : vx::cli::kExitFailure);
}

Options parse(int argc, char** argv) {
  Options options;
  vx::cli::Arguments args(argc, argv);
  vx::cli::ReceiverOptions& receiver = options.session.receiver;
  while (!args.done()) {
    const std::string_view arg = args.take();
    if (arg == "--port") {
      options.port = vx::cli::portNumber(args.value(arg), arg);
    } else if (arg == "--device") {
      options.device = std::string(args.value(arg));
    } else if (receiver.take(arg, args)) {
      // --lat, --lat-hem, --lon, --lon-hem, --satellites
    } else if (arg == "--tz") {
      vx::TimeDifferenceChoice choice = vx::chooseTimeDifference(args.value(arg), vx::computerZone());
      options.session.timeZone = choice.hoursToUtc;
      options.timeZoneWarning = std::move(choice.warning);
    } else if (arg == "--until-fix") {
      options.session.untilFix = true;
    } else if (arg == "--count") {
      options.session.count = vx::cli::integerIn(args.value(arg), 1, 1L << 40, "--count");
    } else if (arg == "--timeout") {
      options.timeout = vx::cli::number(args.value(arg), "--timeout");
      if (!(options.timeout > 0 && options.timeout <= kLongestTimeout)) {
        throw vx::cli::UsageError("--timeout must be a number of seconds above 0 and at most " +
                                  vx::generalNumber(kLongestTimeout));
      }
    } else if (arg == "--state") {
      options.stateFile = std::string(args.value(arg));
    } else if (arg == "--listen") {
      options.listen = vx::cli::number(args.value(arg), "--listen");
      if (!(options.listen > 0 && options.listen <= kLongestTimeout)) {
        throw vx::cli::UsageError("--listen must be a number of seconds above 0 and at most " +
                                  vx::generalNumber(kLongestTimeout));
      }
    } else if (arg == "--list-ports") {
      listPorts();
    } else if (vx::cli::isHelpOrVersion(arg)) {
      vx::cli::answerHelpOrVersion(arg, "vxinit", kUsage);
    } else {
      throw vx::cli::UsageError("unexpected argument \"" + std::string(arg) + "\"");
    }
  }
  if ((options.port != 0) == !options.device.empty()) {
    throw vx::cli::UsageError("give either --port N or --device PATH");
  }
  if (receiver.latitudeGiven != receiver.longitudeGiven || (receiver.hemisphereGiven && !receiver.latitudeGiven)) {
    throw vx::cli::UsageError("give --lat and --lon together (with their hemispheres), or none of them");
  }
  return options;
}

// Without --lat and --lon: the next source of a position, said on stderr.
// False when there is none: nothing is to be sent to the receiver.
bool takeKnownPosition(Options& options) {
  vx::cli::ReceiverOptions& receiver = options.session.receiver;
  if (receiver.latitudeGiven) return true;
  const auto known = vx::choosePosition(options.stateFile);
  if (!known) {
    std::fprintf(stderr, "vxinit: no position (%s): the receiver will not be initialised\n",
                 vx::whyNoPosition(options.stateFile).c_str());
    return false;
  }
  std::fprintf(stderr, "vxinit: position from %s: %s\n", known->origin.c_str(), vx::describe(known->point).c_str());
  receiver.latitude = vx::degreesText(known->point.latitude);
  receiver.latHemisphere = vx::latitudeHemisphere(known->point);
  receiver.longitude = vx::degreesText(known->point.longitude);
  receiver.longHemisphere = vx::longitudeHemisphere(known->point);
  return true;
}

// The status systemd shows once the receiver has what it needs.
std::string settledStatus(bool initialised, const Options& options) {
  if (!initialised) return "Receiver found awake, read without initialising it again";
  const vx::cli::ReceiverOptions& receiver = options.session.receiver;
  return "Receiver initialised with " + receiver.latitude + " " + receiver.latHemisphere + " " + receiver.longitude +
         " " + receiver.longHemisphere;
}

// Under systemd, the moment the receiver has its initialisation or is
// found awake: where gpsd answers, the line is let go so that gpsd may open
// it at once (gpsdctl@ starts on READY); elsewhere it is kept and the fix
// read here. Run by hand, vxinit keeps the line.
bool handOver(vx::SerialLine& line, bool initialised, const Options& options) {
  if (!vx::startedAsNotifyService()) return false;
  const std::string settled = settledStatus(initialised, options);
  const std::string gpsd = vx::gpsdAddress();
  if (!options.stateFile.empty() && vx::gpsdAnswers()) {
    line.close();
    std::fprintf(stderr, "vxinit: %s released for gpsd\n", line.path().c_str());
    vx::tellReady(settled + "; " + line.path() + " handed to gpsd, waiting for its first fix");
    return true;
  }
  vx::tellReady(settled + "; no gpsd at " + gpsd + ", reading the fix itself");
  return false;
}

vx::FixLearning fixLearning(const Options& options, const std::string& device, std::optional<vx::Moment> deadline,
                            const std::string& deadlineNotice, int signalFd) {
  return {device, options.stateFile, deadline, deadlineNotice, signalFd};
}

// A sleeping receiver left alone for want of a position, under systemd:
// gpsd wakes it cold, and its first fix, learnt from gpsd, makes the next
// plug-in warm.
int afterLeftAlone(const vx::ListenOutcome& listened, const vx::FixLearning& learning) {
  vx::tellReady("Left alone: " + listened.said);
  if (!listened.asleepWithoutPosition || learning.stateFile.empty() || !vx::startedAsNotifyService() ||
      !vx::gpsdAnswers()) {
    return vx::cli::kExitLeftAlone;
  }
  return vx::learnFixFromGpsd(learning);
}

}  // namespace

int run(int argc, char** argv) {
  const auto parsed = vx::cli::parseOrExplain("vxinit", kUsage, [&] { return parse(argc, argv); });
  if (!parsed) return vx::cli::kExitUsage;
  Options options = *parsed;
  if (!options.timeZoneWarning.empty()) std::fprintf(stderr, "vxinit: %s\n", options.timeZoneWarning.c_str());
  if (const std::string problem = vx::gpsdAddressProblem(); !problem.empty()) {
    std::fprintf(stderr, "vxinit: %s\n", problem.c_str());
  }
  try {
    vx::cli::requireStandardOutput();
  } catch (const vx::cli::OutputError& error) {
    std::fprintf(stderr, "vxinit: %s\n", error.what());
    return vx::cli::kExitFailure;
  }
  const int signalFd = vx::blockEndingSignals();
  const std::string device = options.device.empty() ? vx::portDevicePath(options.port) : options.device;
  options.session.shownAs = options.device.empty() ? "port " + std::to_string(options.port) : device;
  // Before the device is listened to or opened: gpsd reading it is said
  // first, and borrowed where its control socket lets us; the loan ends
  // with main(), the line closed first. What gpsd names is printed
  // escaped; a signal cuts the question short.
  // Declared before the loan, so that it outlives it: the loan closes it first.
  std::optional<vx::SerialLine> line;
  const auto say = [](const std::string& text) {
    std::fprintf(stderr, "vxinit: %s\n", vx::printableText(text).c_str());
  };
  const vx::GpsdCheck gpsd = vx::checkGpsd(device, say, signalFd);
  if (!gpsd.notice.empty()) say(gpsd.notice);

  const std::optional<vx::Moment> deadline = vx::after(options.timeout);
  const std::string deadlineNotice = std::string("no ") + (options.session.untilFix ? "fix" : "end") + " within " +
                                     vx::generalNumber(options.timeout) + " seconds";
  const bool havePosition = takeKnownPosition(options);
  try {
    line.emplace(device);
  } catch (const std::runtime_error& error) {
    // For a port by number, the adapters present and how to make one that port.
    const std::string advice = options.port ? vx::adapterAdvice(options.port, device, vx::usbSerialAdapters()) : "";
    const std::string said = error.what() + (advice.empty() ? "" : ". " + advice);
    std::fprintf(stderr, "vxinit: %s\n", said.c_str());
    vx::tellStatus(said);
    return vx::cli::kExitFailure;
  }
  if (gpsd.loan) gpsd.loan->closeFirst([&line] { line.reset(); });
  vx::ReceiverSession session(*line, signalFd, deadline, deadlineNotice);
  const vx::FixLearning learning = fixLearning(options, device, deadline, deadlineNotice, signalFd);
  vx::ListenOutcome listened;
  if (options.listen > 0 || !havePosition) {
    listened = vx::listenFirst(session, *line, options.listen, havePosition);
    if (listened.exitCode == vx::cli::kExitLeftAlone) {
      line.reset();  // its settings as found, and closed: gpsd may have it
      return afterLeftAlone(listened, learning);
    }
    if (listened.exitCode) return *listened.exitCode;
  }
  if (listened.echo) return session.echoLines();

  bool stateWritten = false;  // the first valid fix only
  const std::optional<int> ended = session.drive(
      options.session, vx::systemLocalTime,
      [&](bool initialised) { return handOver(*line, initialised, options); },
      [&](const vx::GeoPoint& fix) {
        if (options.stateFile.empty() || stateWritten) return true;
        stateWritten = true;
        return vx::rememberFix(options.stateFile, fix, "");
      });
  if (ended) return *ended;
  return vx::learnFixFromGpsd(learning);
}

int main(int argc, char** argv) {
  const int exitCode = run(argc, argv);
  // A service manager waiting for READY hears it whichever way vxinit ends.
  vx::tellReadyAtEnd(exitCode);
  return exitCode;
}
