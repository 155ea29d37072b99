// SPDX-License-Identifier: MIT
// The monitor beside a real gpsd reading the simulator's pseudo-terminal
// (port 1): gpsd holding the device is on the status from the start and
// stays there; borrowed through gpsd's control socket, the device goes back
// to gpsd, its port closed first, however the program ends (the program
// itself too, ended by a signal); without gpsd the status is as ever.
#include <signal.h>

#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QScopeGuard>
#include <QStandardPaths>
#include <cstring>
#include <iterator>
#include <regex>
#include <sstream>

#include "app/location_screen.h"
#include "app/monitor_screen.h"
#include "control/host/late_bound.h"
#include "gpsd/gpsd_loan.h"
#include "tests/app/app_fixture.h"
#include "tests/support/gpsd_daemon.h"
#include "tests/support/pty_receiver.h"
#include "tests/support/run_program.h"

namespace kestrune::test {
namespace {

using vx::test::GpsdDaemon;
using namespace std::chrono_literals;

// A private X server (Xvfb) for the program itself, its keyboard pressed
// as a user's (xdotool). Programs started while it lives open on it.
class VirtualDisplay {
 public:
  static bool installed() { return !program("Xvfb").empty() && !program("xdotool").empty(); }

  VirtualDisplay() : server_(program("Xvfb"), {"-displayfd", "2", "-nolisten", "tcp"}) {
    // The server writes the number of the display it took on its standard error, once it takes clients.
    const std::regex line(R"((^|\n)(\d+)\n)");
    std::smatch number;
    std::string said;
    vx::test::waitUntil([&] { return std::regex_search(said = server_.errorsSoFar(), number, line); }, 10s);
    qputenv("DISPLAY", QByteArray(":") + number.str(2).c_str());
    qputenv("QT_QPA_PLATFORM", "xcb");
  }
  ~VirtualDisplay() {
    qputenv("QT_QPA_PLATFORM", platform_);
    server_.signal(SIGTERM);
    server_.wait(10);
  }

  // Presses `key` in the newest window titled `title` once `windows` of them show.
  bool press(const std::string& title, std::size_t windows, const std::string& key) const {
    std::vector<std::string> shown;
    const auto showing = [&] {
      const std::vector<std::string> search{"search", "--onlyvisible", "--name", "^" + title + "$"};
      std::istringstream words(vx::test::runProgram(program("xdotool"), search).out);
      shown.assign(std::istream_iterator<std::string>(words), {});
      return shown.size() >= windows;
    };
    return vx::test::waitUntil(showing, 10s) &&
           vx::test::runProgram(program("xdotool"), {"windowfocus", "--sync", shown.back(), "key", key}).exitCode == 0;
  }

 private:
  static std::string program(const char* name) { return QStandardPaths::findExecutable(name).toStdString(); }
  const QByteArray platform_ = qgetenv("QT_QPA_PLATFORM");
  vx::test::RunningProgram server_;
};

class MonitorBesideGpsd : public AppTest {
 protected:
  void SetUp() override {
    if (GpsdDaemon::program().empty()) GTEST_SKIP() << "gpsd (Debian's gpsd) is not installed";
    writeSettings("[Settings]\nAutoExit=0\n");
    const QString link = config.path() + "/vx/com1";
    ASSERT_TRUE(vx::test::waitUntil([&] { return QFileInfo(link).isSymLink(); }, std::chrono::seconds(10)));
    device = QFileInfo(link).symLinkTarget().toStdString();
    location.latitudeEdit->setText("52.06");
    location.longitudeEdit->setText("5.14");
  }
  void TearDown() override { simulator.signal(SIGTERM); }

  QString status() const { return monitor->statusValue->text(); }
  QString notes() const {
    const auto* label = monitor->findChild<QLabel*>("notes");
    return label->isHidden() ? QString() : label->text();
  }
  bool receiving() const { return status().startsWith("Receiving data..."); }

  vx::test::RunningProgram simulator{SIM_PATH, {"--link", "1", "--speed", "10"}};
  std::string device;
  LocationScreen location{nullptr};
  std::unique_ptr<MonitorScreen> monitor;
};

TEST_F(MonitorBesideGpsd, GpsdHoldingTheDeviceStaysOnTheStatus) {
  GpsdDaemon gpsd(device, true);
  ASSERT_TRUE(gpsd.waitUntilHeard(device)) << gpsd.log();
  qputenv("GPSD_SOCKET", "/nonexistent/gpsd.sock");  // not ours to write to: advice only
  monitor = std::make_unique<MonitorScreen>(&location);
  const QString notice = QString::fromStdString("gpsd is reading " + device + ": it has woken the receiver without "
                                                "the time and position");
  EXPECT_EQ(status(), "Attempting to connect to the GPS...");
  EXPECT_TRUE(notes().startsWith(notice)) << notes().toStdString();
  EXPECT_TRUE(notes().contains(QString::fromStdString("sudo gpsdctl remove " + device))) << notes().toStdString();
  // gpsd takes most of the bytes: a sentence is handed to the screen as the control would.
  vx::LateBound(monitor->gpsControl).call("addmsg", {QString("$GPGSA,A,3,01,02,03,,,,,,,,,,1.80,1.00,1.50*0E")});
  QMetaObject::invokeMethod(monitor->gpsControl, "OnComm");
  EXPECT_EQ(status(), "Receiving data...");
  EXPECT_TRUE(notes().startsWith(notice)) << notes().toStdString();  // it stays said
  monitor->close();
}

// Every ending: the screen closed (Exit, the close box), and a signal, whose
// handler in main() gives every loan back without closing the screen. gpsd
// can open the device only once the port is closed.
TEST_F(MonitorBesideGpsd, BorrowedDeviceGoesBackToGpsdOnEveryEnding) {
  GpsdDaemon gpsd(device, true);
  const std::function<void(MonitorScreen&)> endings[] = {[](MonitorScreen& screen) { screen.close(); },
                                                         [](MonitorScreen&) { vx::GpsdLoan::giveBackAll(); }};
  for (const auto& end : endings) {
    ASSERT_TRUE(gpsd.waitUntilHeard(device)) << gpsd.log();
    monitor = std::make_unique<MonitorScreen>(&location);
    EXPECT_TRUE(notes().contains(QString::fromStdString("gpsd was reading " + device))) << notes().toStdString();
    EXPECT_FALSE(gpsd.entry(device).has_value());
    ASSERT_TRUE(vx::test::waitUntil([&] { return receiving(); }, std::chrono::seconds(10)));
    end(*monitor);
    EXPECT_TRUE(gpsd.waitUntil(device, true)) << gpsd.log();
    monitor.reset();
  }
}

// Kestrune itself, on a display of its own, ended by each of the signals
// it takes while it has borrowed the device: its main() gives the device
// back to gpsd before the signal ends it.
TEST_F(MonitorBesideGpsd, TheProgramEndedByASignalGivesTheDeviceBack) {
  if (!VirtualDisplay::installed()) GTEST_SKIP() << "Xvfb and xdotool (xvfb, xdotool) are not installed";
  GpsdDaemon gpsd(device, true);
  writeSettings("[Settings]\nLat=52.06\nLong=5.14\nComPort=1\nAutoExit=0\n");
  QTemporaryDir runtime;  // where the loan is recorded
  qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
  const auto restore = qScopeGuard([] { qunsetenv("XDG_RUNTIME_DIR"); });
  const VirtualDisplay display;
  for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
    ASSERT_TRUE(gpsd.waitUntilHeard(device)) << gpsd.log();
    vx::test::RunningProgram program(KESTRUNE_PATH, {});
    ASSERT_TRUE(display.press("Kestrune", 1, "Return")) << "no welcome screen\n" << program.errorsSoFar();
    ASSERT_TRUE(display.press("Kestrune", 2, "Return")) << "no location screen\n" << program.errorsSoFar();
    ASSERT_TRUE(vx::test::waitUntil([&] { return !gpsd.entry(device); }, 10s))
        << "the monitor did not borrow " << device << "\n" << program.errorsSoFar();
    program.signal(signal);
    EXPECT_EQ(program.wait(20).exitCode, -1) << strsignal(signal);  // ended by the signal itself
    EXPECT_TRUE(gpsd.waitUntil(device, true)) << strsignal(signal) << ": gpsd has not got " << device << " back\n"
                                              << gpsd.log();
  }
}

TEST_F(MonitorBesideGpsd, WithoutGpsdTheStatusIsAsEver) {
  qputenv("KESTRUNE_GPSD", "127.0.0.1:1");  // refused
  monitor = std::make_unique<MonitorScreen>(&location);
  EXPECT_EQ(status(), "Attempting to connect to the GPS...");
  EXPECT_EQ(notes(), "");
  ASSERT_TRUE(vx::test::waitUntil([&] { return receiving(); }, std::chrono::seconds(10)));
  EXPECT_EQ(status(), "Receiving data...");
  monitor->close();
  qunsetenv("KESTRUNE_GPSD");
}

}  // namespace
}  // namespace kestrune::test
