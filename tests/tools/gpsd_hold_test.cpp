// SPDX-License-Identifier: MIT
// vxinit before a device that a real gpsd serves, on the simulator's
// pseudo-terminal: gpsd holding it is said before the port opens; where
// gpsd's control socket takes commands the device is borrowed and always
// given back; a gpsd that only knows the device, or none at all, changes
// nothing.
#include <gtest/gtest.h>

#include <signal.h>

#include <QFileInfo>
#include <QTemporaryDir>

#include "tests/support/gpsd_daemon.h"
#include "tests/support/pty_receiver.h"
#include "tests/support/run_program.h"

namespace vx {
namespace {

using test::GpsdDaemon;
using test::ProgramResult;
using test::RunningProgram;

class VxinitBesideGpsd : public ::testing::Test {
 protected:
  void SetUp() override {
    if (GpsdDaemon::program().empty()) GTEST_SKIP() << "gpsd (Debian's gpsd) is not installed";
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
    qputenv("QT_PLUGIN_PATH", KESTRUNE_PLUGIN_DIR);
    simulator = std::make_unique<RunningProgram>(SIM_PATH, std::vector<std::string>{"--link", "1", "--speed", "10"});
    const QString link = config.path() + "/vx/com1";
    ASSERT_TRUE(test::waitUntil([&] { return QFileInfo(link).isSymLink(); }, std::chrono::seconds(10)));
    device = QFileInfo(link).symLinkTarget().toStdString();
  }
  void TearDown() override {
    if (simulator) simulator->signal(SIGTERM);
  }

  static ProgramResult vxinit(const std::vector<std::string>& more) {
    std::vector<std::string> args{"--port", "1", "--lat", "52.06", "--lon", "5.14", "--lon-hem", "E"};
    args.insert(args.end(), more.begin(), more.end());
    return test::runProgram(VXINIT_PATH, args, {}, 60);
  }

  QTemporaryDir config;
  std::unique_ptr<RunningProgram> simulator;
  std::string device;  // the pseudo-terminal port 1 links to
};

TEST_F(VxinitBesideGpsd, GpsdHoldingTheDeviceIsSaidBeforeThePortOpens) {
  GpsdDaemon gpsd(device, true);
  ASSERT_TRUE(gpsd.waitUntilHeard(device)) << gpsd.log();
  qputenv("GPSD_SOCKET", "/nonexistent/gpsd.sock");  // not ours to write to: advice only
  const ProgramResult run = vxinit({"--count", "2", "--timeout", "5"});
  const std::size_t notice = run.err.find("vxinit: gpsd is reading " + device + ": it has woken the receiver "
                                          "without the time and position");
  ASSERT_NE(notice, std::string::npos) << run.err;
  EXPECT_LT(notice, run.err.find("port 1 open")) << run.err;
  const std::vector<std::string> steps{"sudo gpsdctl remove " + device, "switch the receiver off and on",
                                       "sudo gpsdctl add " + device, "kestrune-init@.service"};
  for (const std::string& step : steps) {
    EXPECT_NE(run.err.find(step), std::string::npos) << step << "\n" << run.err;
  }
  EXPECT_TRUE(gpsd.entry(device).value_or(GpsdDevice{}).open);  // left with gpsd
}

// gpsd knowing the device without having it open, and no gpsd at all: not a word, and the receiver initialised.
TEST_F(VxinitBesideGpsd, GpsdThatKnowsTheDeviceClosedOrIsNotRunningChangesNothing) {
  for (const bool gpsdRuns : {true, false}) {
    std::unique_ptr<GpsdDaemon> gpsd;
    if (gpsdRuns) {
      gpsd = std::make_unique<GpsdDaemon>(device, false);
      ASSERT_TRUE(gpsd->waitUntil(device, false)) << gpsd->log();
    } else {
      qputenv("KESTRUNE_GPSD", "127.0.0.1:1");  // refused
    }
    const ProgramResult run = vxinit({"--count", "2", "--timeout", "10"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.err.find("gpsd"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("initialisation"), std::string::npos) << run.err;  // sent: the receiver was asleep
    qunsetenv("KESTRUNE_GPSD");
    simulator->signal(SIGTERM);
    simulator->wait(10);
    SetUp();  // a fresh receiver, asleep
  }
}

// With gpsd's control socket ours, the device is taken from gpsd while
// vxinit runs and given back however vxinit ends: the count reached, the
// time-out, a signal.
TEST_F(VxinitBesideGpsd, BorrowedThroughTheControlSocketAndAlwaysGivenBack) {
  GpsdDaemon gpsd(device, true);
  ASSERT_TRUE(gpsd.waitUntilHeard(device)) << gpsd.log();
  struct Ending {
    std::vector<std::string> args;
    int signal;  // 0: none
    int exitCode;
  };
  for (const Ending& ending : {Ending{{"--count", "4", "--timeout", "20"}, 0, 0},
                               Ending{{"--count", "1000", "--timeout", "1"}, 0, 3},
                               Ending{{"--count", "1000", "--timeout", "60"}, SIGTERM, 128 + SIGTERM}}) {
    std::vector<std::string> args{"--port", "1"};
    args.insert(args.end(), ending.args.begin(), ending.args.end());
    RunningProgram run(VXINIT_PATH, args);
    ASSERT_TRUE(test::waitUntil([&] { return run.errorsSoFar().find("port 1 open") != std::string::npos; },
                                std::chrono::seconds(10)))
        << run.errorsSoFar();
    EXPECT_FALSE(gpsd.entry(device).has_value()) << "gpsd still lists " << device;
    if (ending.signal != 0) run.signal(ending.signal);
    const ProgramResult result = run.wait(30);
    EXPECT_EQ(result.exitCode, ending.exitCode) << result.err;
    EXPECT_NE(result.err.find("vxinit: gpsd was reading " + device + " and had woken the receiver"), std::string::npos)
        << result.err;
    EXPECT_NE(result.err.find("vxinit: " + device + " given back to gpsd"), std::string::npos) << result.err;
    // Back, and heard again: the next round starts as this one did.
    EXPECT_TRUE(gpsd.waitUntilHeard(device)) << "gpsd has not got " << device << " back\n" << gpsd.log();
  }
}

}  // namespace
}  // namespace vx
