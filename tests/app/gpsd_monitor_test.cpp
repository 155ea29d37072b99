// SPDX-License-Identifier: MIT
// The monitor beside a real gpsd reading the simulator's pseudo-terminal
// (port 1): gpsd holding the device is on the status from the start and
// stays there; borrowed through gpsd's control socket, the device goes back
// to gpsd, its port closed first, however the program ends; without gpsd
// the status is as ever.
#include <signal.h>

#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>

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
