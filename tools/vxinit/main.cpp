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
    "  --lat DEGREES     latitude, 0 to 90 (default " + vx::kDefaultLatitude + ")\n"
    "  --lat-hem N|S     hemisphere of the latitude (default " + vx::kDefaultLatHemisphere + ")\n"
    "  --lon DEGREES     longitude, 0 to 180 (default " + vx::kDefaultLongitude + ")\n"
    "  --lon-hem E|W     hemisphere of the longitude (default " + vx::kDefaultLongHemisphere + ")\n"
    "  --tz HOURS        hours to add to local time to get UTC, " + std::to_string(-vx::kLargestTimeDifference) +
    " to " + std::to_string(vx::kLargestTimeDifference) + ": positive\n"
    "                    west of Greenwich, 5 for New York in winter, -1 for\n"
    "                    Amsterdam in winter, 0 for London in winter, -5.5 for\n"
    "                    India (--tz=-5.5 works too). Whole hours, or this\n"
    "                    computer's own difference with its half or quarter\n"
    "                    hour. Default: this computer's own difference, summer\n"
    "                    time included, which gives the receiver the exact UTC\n"
    "                    time in every zone, even when summer time begins or\n"
    "                    ends before the receiver wakes\n"
    "  --until-fix       exit at the first valid fix\n"
    "  --count N         exit after N sentences\n"
    "  --timeout S       give up after S seconds\n"
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
    "  129, 130, 143  SIGHUP, SIGINT or SIGTERM closed the port (128 + the signal)\n"
    "  141  the reader of the output went away; the port was closed\n";

struct Options {
  vx::ConsoleOptions console;
  std::string timeZoneWarning;
  QString device;
  double timeout = 0;
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
  // A position goes to the control as text, as the user wrote it, once checked to be a number.
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
    } else if (arg == "--lat-hem") {
      options.console.latHemisphere = QString::fromStdString(vx::cli::oneOf(args.value(arg), "N|S", "--lat-hem"));
    } else if (arg == "--lon") {
      options.console.longitude = degreesText(arg, vx::kLargestLongitude);
    } else if (arg == "--lon-hem") {
      options.console.longHemisphere = QString::fromStdString(vx::cli::oneOf(args.value(arg), "E|W", "--lon-hem"));
    } else if (arg == "--tz") {
      vx::TimeDifferenceChoice choice = vx::chooseTimeDifference(args.value(arg), vx::computerZone());
      options.console.timeZone = choice.hoursToUtc;
      options.timeZoneWarning = std::move(choice.warning);
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
    QCoreApplication::exit(vx::cli::exitAfterSignal(number));
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

  // Before the port opens: gpsd reading the same device is said first, and
  // borrowed where its control socket lets us; the loan ends with main().
  const auto say = [](const QString& text) { std::fprintf(stderr, "vxinit: %s\n", qPrintable(text)); };
  const vx::GpsdCheck gpsd = vx::checkGpsd(
      options.device.isEmpty() ? QString::fromStdString(vx::portDevicePath(options.console.port)) : options.device, say);
  if (!gpsd.notice.isEmpty()) say(gpsd.notice);

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
    host->start();
  } catch (const vx::Error& error) {
    std::fprintf(stderr, "vxinit: %s\n", error.description().c_str());
    if (host) host->stop();
    return vx::cli::kExitFailure;
  }
  if (options.timeout > 0) {
    QTimer::singleShot(static_cast<int>(options.timeout * 1000), &app, [&options] {
      std::fprintf(stderr, "vxinit: no %s within %g seconds\n", options.console.untilFix ? "fix" : "end", options.timeout);
      QCoreApplication::exit(kExitTimeout);
    });
  }
  const int exitCode = app.exec();
  host->stop();
  return exitCode;
}
