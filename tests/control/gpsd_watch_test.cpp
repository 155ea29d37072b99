// SPDX-License-Identifier: MIT
// Learning a device's first fix from gpsd: from a real gpsd reading the
// simulator's pseudo-terminal, and from local servers that play gpsd badly
// or are not gpsd at all. Never past the deadline, never another device's
// fix or a fix without a position.
#include "gpsd_watch.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFileInfo>
#include <QTemporaryDir>
#include <cmath>

#include "gpsd_daemon.h"
#include "gpsd_link.h"
#include "pty_receiver.h"
#include "run_program.h"
#include "scripted_server.h"

namespace vx {
namespace {

using namespace std::chrono_literals;
using test::ScriptedServer;
using Clock = std::chrono::steady_clock;

constexpr const char* kDevice = "/dev/ttyUSB0";
const std::string kBanner = R"({"class":"VERSION","release":"3.22","rev":"3.22","proto_major":3,"proto_minor":14})"
                            "\r\n";
const std::string kWatching = R"({"class":"WATCH","enable":true,"json":true,"device":"/dev/ttyUSB0"})"
                              "\r\n";

std::string tpv(const std::string& device, int mode, const std::string& position) {
  return R"({"class":"TPV","device":")" + device + R"(","mode":)" + std::to_string(mode) + position + "}\r\n";
}
const std::string kHere = R"(,"lat":52.0626,"lon":5.1385)";

// Sends `lines` after the banner and the client's watch, then holds the line until told to stop.
ScriptedServer::Script plays(std::string lines, ScriptedServer*& server) {
  return [lines, &server](int client, const std::atomic<bool>& stopping) {
    ScriptedServer::sendAll(client, kBanner);
    server->readFor(client, 100);
    ScriptedServer::sendAll(client, lines);
    while (!stopping && server->readFor(client, 20)) {
    }
  };
}

struct WatchCase {
  const char* what;
  std::vector<std::string> sessions;  // one per connection; "" closes at once
  std::optional<std::pair<double, double>> fix;
};
void PrintTo(const WatchCase& each, std::ostream* out) { *out << each.what; }

class HostileGpsd : public ::testing::TestWithParam<WatchCase> {};

TEST_P(HostileGpsd, GivesOnlyTheWatchedDevicesFixAndNeverWaitsPastTheDeadline) {
  ScriptedServer* server = nullptr;
  std::vector<ScriptedServer::Script> scripts;
  for (const std::string& lines : GetParam().sessions) {
    scripts.push_back(lines.empty() ? ScriptedServer::Script([](int, const std::atomic<bool>&) {})
                                    : plays(lines, server));
  }
  ScriptedServer serving(scripts);
  server = &serving;
  const auto started = Clock::now();
  const auto fix = watchGpsdForFix(serving.address(), kDevice, started + 1500ms, -1);
  EXPECT_LT(Clock::now() - started, 1700ms);
  EXPECT_NE(serving.received().find(R"(?WATCH={"enable":true,"json":true,"device":"/dev/ttyUSB0"};)"),
            std::string::npos);
  ASSERT_EQ(fix.has_value(), GetParam().fix.has_value());
  if (fix) {
    EXPECT_EQ(std::make_pair(fix->latitude, fix->longitude), *GetParam().fix);
  }
}

const std::string kEndless(4 * 1024 * 1024, '{');  // a line that never ends, as far as the deadline goes
std::string manyShortLines() {
  std::string lines;
  for (int i = 0; i < 200000; ++i) lines += "{}\n";
  return lines;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, HostileGpsd,
    ::testing::Values(
        WatchCase{"the device's 3D fix", {kWatching + tpv(kDevice, 3, kHere)}, {{52.0626, 5.1385}}},
        WatchCase{"a 2D fix after no fix and another device's fix",
                  {kWatching + tpv(kDevice, 1, "") + tpv("/dev/ttyUSB1", 3, R"(,"lat":1,"lon":2)") +
                   tpv(kDevice, 2, R"(,"lat":-33.5,"lon":-70.25)")},
                  {{-33.5, -70.25}}},
        WatchCase{"a fix without the device's name", {kWatching + R"({"class":"TPV","mode":3,"lat":1,"lon":2})"
                                                                  "\r\n"},
                  std::nullopt},
        WatchCase{"positions out of range or not numbers",
                  {kWatching + tpv(kDevice, 3, R"(,"lat":91,"lon":2)") + tpv(kDevice, 3, R"(,"lat":"1","lon":2)") +
                   tpv(kDevice, 3, R"(,"lat":1e999,"lon":2)") + tpv(kDevice, 3, R"(,"lon":2)")},
                  std::nullopt},
        WatchCase{"the fix inside a line too long to be gpsd's",
                  {kWatching + R"({"class":"TPV","device":"/dev/ttyUSB0","mode":3,"lat":1,"lon":2,"pad":")" +
                   std::string(20000, 'x') + "\"}\r\n"},
                  std::nullopt},
        WatchCase{"a fix after a line too long", {std::string(20000, 'x') + "\r\n" + tpv(kDevice, 3, kHere)},
                  {{52.0626, 5.1385}}},
        WatchCase{"a line that never ends", {kEndless}, std::nullopt},
        WatchCase{"200,000 short lines", {manyShortLines()}, std::nullopt},
        WatchCase{"gpsd drops the device before its fix",
                  {kWatching + R"({"class":"DEVICE","path":"/dev/ttyUSB0","activated":0})"
                               "\r\n" +
                   tpv(kDevice, 3, kHere)},
                  std::nullopt},
        WatchCase{"gpsd restarts, then gives the fix", {"", "", kWatching + tpv(kDevice, 3, kHere)},
                  {{52.0626, 5.1385}}}));

TEST(GpsdWatch, EndsWhenWokenAndRefusesAPathGpsdCannotCarry) {
  ScriptedServer* server = nullptr;
  ScriptedServer serving({plays(kWatching, server), plays(kWatching, server)});
  server = &serving;
  int wake[2];
  ASSERT_EQ(::pipe(wake), 0);
  ASSERT_EQ(::write(wake[1], "x", 1), 1);
  const auto started = Clock::now();
  EXPECT_FALSE(watchGpsdForFix(serving.address(), kDevice, started + 5s, wake[0]));
  EXPECT_LT(Clock::now() - started, 1s);
  for (const char* path : {"/dev/tty\nUSB0", "/dev/\x1b[2JttyUSB0", "/dev/\"tty", ""}) {
    EXPECT_FALSE(watchGpsdForFix(serving.address(), path, Clock::now() + 200ms, -1));
  }
  EXPECT_EQ(serving.received().find("tty\n"), std::string::npos);
  EXPECT_EQ(serving.received().find("\x1b"), std::string::npos);
  ::close(wake[0]);
  ::close(wake[1]);
}

// The simulator on a pseudo-terminal as port 1, read by a real gpsd.
class GpsdWatchBesideGpsd : public ::testing::Test {
 protected:
  void SetUp() override {
    if (test::GpsdDaemon::program().empty()) GTEST_SKIP() << "gpsd (Debian's gpsd) is not installed";
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
  }
  void TearDown() override {
    if (simulator) simulator->signal(SIGTERM);
  }
  // The simulator's device, the receiver finding its fix `fixAfter` seconds after power-up.
  std::string startSimulator(const char* fixAfter) {
    simulator = std::make_unique<test::RunningProgram>(
        SIM_PATH, std::vector<std::string>{"--link", "1", "--awake", "--cold", fixAfter, "--at", "-33.45,-70.66"});
    const QString link = config.path() + "/vx/com1";
    test::waitUntil([&] { return QFileInfo(link).isSymLink(); }, 10s);
    const std::string device = QFileInfo(link).symLinkTarget().toStdString();
    ::chmod(device.c_str(), 0666);  // for gpsd, which drops root, to open when it is handed the device
    return device;
  }
  QTemporaryDir config;
  std::unique_ptr<test::RunningProgram> simulator;
};

// gpsd is handed the device after the watch began, as gpsdctl is once vxinit is ready.
TEST_F(GpsdWatchBesideGpsd, LearnsTheFixOfADeviceGpsdIsHandedLater) {
  const std::string device = startSimulator("1");
  test::GpsdDaemon gpsd("", false);
  std::thread handOver([&] {
    std::this_thread::sleep_for(500ms);
    tellGpsd('+', device, 10s);
  });
  const auto fix = watchGpsdForFix(gpsdAddress(), device, Clock::now() + 40s, -1);
  handOver.join();
  ASSERT_TRUE(fix) << gpsd.log();
  EXPECT_NEAR(fix->latitude, -33.45, 0.01);
  EXPECT_NEAR(fix->longitude, -70.66, 0.01);
}

TEST_F(GpsdWatchBesideGpsd, EndsWhenGpsdDropsTheDevice) {
  const std::string device = startSimulator("600");
  test::GpsdDaemon gpsd(device, true);
  ASSERT_TRUE(gpsd.waitUntil(device, true)) << gpsd.log();
  std::thread drop([&] {
    std::this_thread::sleep_for(500ms);
    tellGpsd('-', device, 2s);
  });
  const auto started = Clock::now();
  const auto fix = watchGpsdForFix(gpsdAddress(), device, started + 30s, -1);
  drop.join();
  EXPECT_FALSE(fix);
  EXPECT_LT(Clock::now() - started, 5s);
}

}  // namespace
}  // namespace vx
