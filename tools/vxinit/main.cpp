// SPDX-License-Identifier: MIT
// vxinit: initialises a receiver from a terminal, for headless machines and
// scripts. Creates the control by "vx.vxcomm", opens the port, prints each
// sentence as it arrives.
#include <signal.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QSocketNotifier>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <cstring>
#include <optional>
#include <iostream>
#include <limits>
#include <memory>

#include "cli.h"
#include "link_settings.h"
#include "console_host.h"
#include "last_fix.h"
#include "listen_first.h"
#include "position_choice.h"
#include "control_loader.h"
#include "gpsd_loan.h"
#include "number_text.h"
#include "port_link.h"
#include "serial_devices.h"
#include "setting_limits.h"
#include "time_difference_option.h"
#include "vx_error.h"

namespace {

constexpr int kExitTimeout = 3;
// Whole seconds: the event loop times at most 2^31 - 1 ms.
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
    "  --device PATH     use the serial device PATH\n"
    "  --lat DEGREES     latitude, 0 to " + vx::generalNumber(vx::kLargestLatitude) + ", given with --lon\n"
    "  --lat-hem N|S     hemisphere of the latitude (default " + vx::kDefaultLatHemisphere + ")\n"
    "  --lon DEGREES     longitude, 0 to " + vx::generalNumber(vx::kLargestLongitude) + ", given with --lat\n"
    "  --lon-hem E|W     hemisphere of the longitude (default " + vx::kDefaultLongHemisphere + ")\n"
    "                    Without --lat and --lon the position is the last valid\n"
    "                    fix (in the --state file, else in ~/.config/Kestrune.ini),\n"
    "                    else the reference point of this computer's time zone;\n"
    "                    with none of these the receiver is not initialised\n"
    "  --tz HOURS        hours to add to local time to get UTC, " + vx::timeDifferenceRange() + ": positive\n"
    "                    west of Greenwich, 5 for New York in winter, -1 for\n"
    "                    Amsterdam in winter, 0 for London in winter, -5.5 for\n"
    "                    India (--tz=-5.5 works too). Whole hours, or this\n"
    "                    computer's own difference with its half or quarter\n"
    "                    hour. Default: this computer's own difference, summer\n"
    "                    time included, which gives the receiver the exact UTC\n"
    "                    time in every zone, even when summer time begins or\n"
    "                    ends before the receiver wakes\n"
    "  --satellites      also print the satellites in view ($GPGSV) after each $GPGSA\n"
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
    "Exit status:\n"
    "  0    the first valid fix (--until-fix), or N sentences (--count)\n"
    "  1    the port cannot be used, its device went away, or the output failed\n"
    "  2    bad arguments\n"
    "  3    --timeout ran out first\n"
    "  4    the device was left alone (--listen, or no position): nothing to do\n"
    "  129, 130, 143  SIGHUP, SIGINT or SIGTERM closed the port (128 + the signal)\n"
    "  141  the reader of the output went away; the port was closed\n";

struct Options {
  vx::ConsoleOptions console;
  std::string timeZoneWarning;
  QString device;
  double timeout = 0;
  bool latitudeGiven = false, longitudeGiven = false, hemisphereGiven = false;
  std::string stateFile;  // "" without --state
  double listen = 0;      // seconds; 0 without --listen
};

// Ports 1 to 4 and the USB serial adapters, for a user choosing a port.
[[noreturn]] void listPorts() {
  const QList<vx::SerialAdapter> adapters = vx::usbSerialAdapters();
  for (int port = 1; port <= vx::kListedPorts; ++port) {
    std::cout << "port " << vx::describePort(port, adapters).toStdString() << "\n";
  }
  if (adapters.isEmpty()) {
    std::cout << "No USB serial adapter is plugged in.\n";
  } else {
    std::cout << "USB serial adapters:\n";
    for (const vx::SerialAdapter& adapter : adapters) {
      std::cout << "  " << adapter.device.toStdString() << "  " << adapter.description.toStdString() << "\n";
    }
    std::cout << "To make " << adapters.first().device.toStdString()
              << " port 1: " << vx::linkCommand(1, adapters.first().device).toStdString() << "\n";
  }
  std::cout.flush();
  std::exit(std::cout ? vx::cli::kExitOk : vx::cli::kExitFailure);
}

Options parse(int argc, char** argv) {
  Options options;
  vx::cli::Arguments args(argc, argv);
  const auto text = [&](std::string_view option) { return QString::fromStdString(std::string(args.value(option))); };
  // A coordinate goes to the control as text, as the user wrote it, once checked to be degrees.
  const auto degreesText = [&](std::string_view option, double highest) {
    const QString value = text(option);
    const double degrees = vx::cli::number(value.toStdString(), option);
    if (!(degrees >= 0 && degrees <= highest)) {
      throw vx::cli::UsageError(std::string(option) + " must be degrees from 0 to " + vx::generalNumber(highest) +
                                " (the hemisphere goes with " + std::string(option) + "-hem)");
    }
    return value;
  };
  while (!args.done()) {
    const std::string_view arg = args.take();
    if (arg == "--port") {
      options.console.port = static_cast<int>(vx::cli::integerIn(args.value(arg), 1, 32767, "--port"));
    } else if (arg == "--device") {
      options.device = text(arg);
    } else if (arg == "--lat") {
      options.console.latitude = degreesText(arg, vx::kLargestLatitude);
      options.latitudeGiven = true;
    } else if (arg == "--lat-hem") {
      options.console.latHemisphere = QString::fromStdString(vx::cli::oneOf(args.value(arg), "N|S", "--lat-hem"));
      options.hemisphereGiven = true;
    } else if (arg == "--lon") {
      options.console.longitude = degreesText(arg, vx::kLargestLongitude);
      options.longitudeGiven = true;
    } else if (arg == "--lon-hem") {
      options.console.longHemisphere = QString::fromStdString(vx::cli::oneOf(args.value(arg), "E|W", "--lon-hem"));
      options.hemisphereGiven = true;
    } else if (arg == "--tz") {
      vx::TimeDifferenceChoice choice = vx::chooseTimeDifference(args.value(arg), vx::computerZone());
      options.console.timeZone = choice.hoursToUtc;
      options.timeZoneWarning = std::move(choice.warning);
    } else if (arg == "--satellites") {
      options.console.satellitesInView = true;
    } else if (arg == "--until-fix") {
      options.console.untilFix = true;
    } else if (arg == "--count") {
      options.console.count = vx::cli::integerIn(args.value(arg), 1, 1L << 40, "--count");
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
  if ((options.console.port != 0) == !options.device.isEmpty()) {
    throw vx::cli::UsageError("give either --port N or --device PATH");
  }
  if (options.latitudeGiven != options.longitudeGiven || (options.hemisphereGiven && !options.latitudeGiven)) {
    throw vx::cli::UsageError("give --lat and --lon together (with their hemispheres), or none of them");
  }
  return options;
}

// --device: a private configuration folder whose port 1 links to PATH, so
// that the control opens it as it opens any port. Returns why it could not.
std::string linkDeviceAsPortOne(const QTemporaryDir& folder, const QString& device, vx::ConsoleOptions& console) {
  if (!folder.isValid()) return folder.errorString().toStdString();
  qputenv("XDG_CONFIG_HOME", QFile::encodeName(folder.path()));
  try {
    vx::linkPort(1, device.toStdString());
  } catch (const std::exception& error) {
    return error.what();
  }
  console.port = 1;
  return {};
}

// SIGHUP, SIGINT and SIGTERM end the event loop through a socket, so the
// port is closed by the ordinary path; the exit code names the signal.
int signalSocket[2];
std::optional<int> requestedExit;  // by a signal or the timeout: also ends a listen before the port opens

void onSignal(int signal) {
  const char number = static_cast<char>(signal);
  [[maybe_unused]] const auto written = ::write(signalSocket[0], &number, 1);
}

void watchSignals(QApplication& app) {
  if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalSocket) != 0) return;
  auto* notifier = new QSocketNotifier(signalSocket[1], QSocketNotifier::Read, &app);
  QObject::connect(notifier, &QSocketNotifier::activated, &app, [] {
    char number = 0;
    if (::read(signalSocket[1], &number, 1) != 1) return;
    std::fprintf(stderr, "vxinit: %s, closing the port\n", strsignal(number));
    requestedExit = vx::cli::exitAfterSignal(number);
    QCoreApplication::exit(*requestedExit);
  });
  struct sigaction action {};
  action.sa_handler = onSignal;
  for (const int signal : {SIGHUP, SIGINT, SIGTERM}) sigaction(signal, &action, nullptr);
}

// Qt's platform start asks for the session's runtime folder, which cron and
// ssh sessions do not have, and says so on standard error: a console tool
// has no use for that folder, and its users no use for the notice.
QtMessageHandler qtOwnHandler = nullptr;

void withoutRuntimeFolderNotice(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (text.startsWith("QStandardPaths: XDG_RUNTIME_DIR not set")) return;
  qtOwnHandler(type, context, text);
}

// Without --lat and --lon: the next source of a position, said on stderr.
// False when there is none: nothing is to be sent to the receiver.
bool takeKnownPosition(Options& options) {
  if (options.latitudeGiven) return true;
  const auto known = vx::choosePosition(options.stateFile);
  if (!known) {
    std::fprintf(stderr, "vxinit: no position (%s): the receiver will not be initialised\n",
                 vx::whyNoPosition(options.stateFile).c_str());
    return false;
  }
  std::fprintf(stderr, "vxinit: position from %s: %s\n", known->origin.c_str(), vx::describe(known->point).c_str());
  options.console.latitude = QString::fromStdString(vx::degreesText(known->point.latitude));
  options.console.latHemisphere = QString::fromStdString(vx::latitudeHemisphere(known->point));
  options.console.longitude = QString::fromStdString(vx::degreesText(known->point.longitude));
  options.console.longHemisphere = QString::fromStdString(vx::longitudeHemisphere(known->point));
  return true;
}

// --state: the first valid fix is remembered for the next run.
void rememberFirstFix(const vx::ConsoleHost& host, const std::string& stateFile) {
  if (stateFile.empty()) return;
  QObject::connect(&host, &vx::ConsoleHost::validFix, &host, [stateFile, written = false](const QString& sentence) mutable {
    const auto fix = vx::rmcPosition(sentence.toStdString());
    if (written || !fix) return;
    written = true;
    try {
      vx::writeStateFile(stateFile, *fix);
      std::fprintf(stderr, "vxinit: fix %s written to %s\n", vx::describe(*fix).c_str(), stateFile.c_str());
    } catch (const std::exception& error) {
      std::fprintf(stderr, "vxinit: %s\n", error.what());
    }
  });
}

void armTimeout(const Options& options) {
  if (options.timeout <= 0) return;
  QTimer::singleShot(static_cast<int>(options.timeout * 1000), Qt::PreciseTimer, qApp, [options] {
    std::fprintf(stderr, "vxinit: no %s within %g seconds\n", options.console.untilFix ? "fix" : "end", options.timeout);
    requestedExit = kExitTimeout;
    QCoreApplication::exit(kExitTimeout);
  });
}

}  // namespace

int main(int argc, char** argv) {
  const auto parsed = vx::cli::parseOrExplain("vxinit", kUsage, [&] { return parse(argc, argv); });
  if (!parsed) return vx::cli::kExitUsage;
  Options options = *parsed;
  if (!options.timeZoneWarning.empty()) std::fprintf(stderr, "vxinit: %s\n", options.timeZoneWarning.c_str());
  try {
    vx::cli::requireStandardOutput();
  } catch (const vx::cli::OutputError& error) {
    std::fprintf(stderr, "vxinit: %s\n", error.what());
    return vx::cli::kExitFailure;
  }
  // A console tool never shows a window: it runs without a display, whatever the environment says.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  qtOwnHandler = qInstallMessageHandler(withoutRuntimeFolderNotice);
  QApplication app(argc, argv);
  watchSignals(app);
  const QString device = options.device.isEmpty() ? QString::fromStdString(vx::portDevicePath(options.console.port))
                                                  : options.device;
  // Before the device is listened to or opened: gpsd reading it is said
  // first, and borrowed where its control socket lets us; the loan ends
  // with main().
  const auto say = [](const QString& text) { std::fprintf(stderr, "vxinit: %s\n", qPrintable(text)); };
  const vx::GpsdCheck gpsd = vx::checkGpsd(device, say);
  if (!gpsd.notice.isEmpty()) say(gpsd.notice);

  armTimeout(options);
  const bool havePosition = takeKnownPosition(options);
  vx::ListenOutcome listened;
  if (options.listen > 0 || !havePosition) {
    try {
      listened = vx::listenFirst(device, options.listen, havePosition);
    } catch (const std::runtime_error& error) {
      std::fprintf(stderr, "vxinit: %s\n", error.what());
      return vx::cli::kExitFailure;
    }
    if (requestedExit) return *requestedExit;
    if (listened.exitCode) return *listened.exitCode;
  }

  if (listened.echoing) return app.exec();

  std::optional<QTemporaryDir> privateConfig;  // only --device needs one
  if (!options.device.isEmpty()) {
    if (const std::string failure = linkDeviceAsPortOne(privateConfig.emplace(), options.device, options.console);
        !failure.empty()) {
      std::fprintf(stderr, "vxinit: cannot make a private port link for %s in %s: %s\n",
                   options.device.toLocal8Bit().constData(), qPrintable(QDir::tempPath()), failure.c_str());
      return vx::cli::kExitFailure;
    }
  }

  std::unique_ptr<QWidget> control;
  std::unique_ptr<vx::ConsoleHost> host;  // goes before the control it drives
  try {
    control = vx::createControl("vx.vxcomm");
    host = std::make_unique<vx::ConsoleHost>(control.get(), options.console);
    QObject::connect(host.get(), &vx::ConsoleHost::finished, &app, &QCoreApplication::exit, Qt::QueuedConnection);
    rememberFirstFix(*host, options.stateFile);
    host->start();
  } catch (const vx::Error& error) {
    std::fprintf(stderr, "vxinit: %s\n", error.description().c_str());
    host->stop();
    return vx::cli::kExitFailure;
  }
  const int exitCode = app.exec();
  host->stop();
  return exitCode;
}
