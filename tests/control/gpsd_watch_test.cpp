// SPDX-License-Identifier: MIT
// Learning a device's first fix from gpsd: from a real gpsd reading the
// simulator's pseudo-terminal, and from local servers that play gpsd badly
// or are not gpsd at all. Never past the deadline, never another device's
// fix or a fix without a position.
#include "gpsd/gpsd_watch.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <thread>

#include "gpsd/gpsd_link.h"
#include "tests/support/gpsd_daemon.h"
#include "tests/support/scripted_server.h"

namespace vx {
namespace {

using namespace std::chrono_literals;
using test::ScriptedServer;
using Clock = std::chrono::steady_clock;

constexpr const char* kDevice = "/dev/ttyUSB0";
const std::string kWatching = R"({"class":"WATCH","enable":true,"json":true,"device":"/dev/ttyUSB0"})"
                              "\r\n";
const std::string kHere = R"(,"lat":52.0626,"lon":5.1385)";

std::string tpv(const std::string& device, int mode, const std::string& position) {
  return R"({"class":"TPV","device":")" + device + R"(","mode":)" + std::to_string(mode) + position + "}\r\n";
}

// The banner, the client's watch read, `lines`, then the line held; "": closed at once.
ScriptedServer::Script plays(std::string lines) {
  return [lines](ScriptedServer& server, int client) {
    if (lines.empty()) return;
    ScriptedServer::sendAll(client, "{\"class\":\"VERSION\",\"release\":\"3.22\"}\r\n");
    server.readFor(client, 100);
    ScriptedServer::sendAll(client, lines);
    while (!server.stopping() && server.readFor(client, 20)) {
    }
  };
}

struct WatchCase {
  const char* what;
  std::vector<std::string> sessions;  // one per connection
  std::optional<std::pair<double, double>> fix;
};
void PrintTo(const WatchCase& each, std::ostream* out) { *out << each.what; }

class HostileGpsd : public ::testing::TestWithParam<WatchCase> {};

TEST_P(HostileGpsd, GivesOnlyTheWatchedDevicesFixAndNeverWaitsPastTheDeadline) {
  std::vector<ScriptedServer::Script> scripts;
  for (const std::string& lines : GetParam().sessions) scripts.push_back(plays(lines));
  ScriptedServer server(scripts);
  const auto started = Clock::now();
  const auto fix = watchGpsdForFix(server.address(), kDevice, started + 1500ms, -1);
  EXPECT_LT(Clock::now() - started, 1500ms + 1s);  // the deadline, and room for a loaded machine
  EXPECT_NE(server.received().find(R"(?WATCH={"enable":true,"json":true,"device":"/dev/ttyUSB0"};)"),
            std::string::npos);
  EXPECT_EQ(fix ? std::optional(std::make_pair(fix->latitude, fix->longitude)) : std::nullopt, GetParam().fix);
}

std::string repeated(const std::string& piece, std::size_t times) {
  std::string all;
  for (std::size_t i = 0; i < times; ++i) all += piece;
  return all;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, HostileGpsd,
    ::testing::Values(
        WatchCase{"the device's 3D fix", {kWatching + tpv(kDevice, 3, kHere)}, {{52.0626, 5.1385}}},
        WatchCase{"a 2D fix after no fix and another device's fix",
                  {kWatching + tpv(kDevice, 1, "") + tpv("/dev/ttyUSB1", 3, R"(,"lat":1,"lon":2)") +
                   tpv(kDevice, 2, R"(,"lat":-33.5,"lon":-70.25)")},
                  {{-33.5, -70.25}}},
        WatchCase{"a fix without the device's name", {kWatching + R"({"class":"TPV","mode":3,"lat":1,"lon":2})" "\n"},
                  std::nullopt},
        WatchCase{"positions out of range or not numbers",
                  {kWatching + tpv(kDevice, 3, R"(,"lat":91,"lon":2)") + tpv(kDevice, 3, R"(,"lat":"1","lon":2)") +
                   tpv(kDevice, 3, R"(,"lat":1e999,"lon":2)") + tpv(kDevice, 3, R"(,"lon":2)")},
                  std::nullopt},
        WatchCase{"the fix inside a line too long to be gpsd's",
                  {kWatching + tpv(kDevice, 3, kHere + R"(,"pad":")" + std::string(20000, 'x') + "\"")},
                  std::nullopt},
        WatchCase{"a fix after a line too long", {std::string(20000, 'x') + "\r\n" + tpv(kDevice, 3, kHere)},
                  {{52.0626, 5.1385}}},
        WatchCase{"a line that never ends", {repeated(std::string(65536, '{'), 64)}, std::nullopt},
        WatchCase{"200,000 short lines", {repeated("{}\n", 200000)}, std::nullopt},
        WatchCase{"gpsd drops the device before its fix",
                  {kWatching + R"({"class":"DEVICE","path":"/dev/ttyUSB0","activated":0})"
                               "\r\n" +
                   tpv(kDevice, 3, kHere)},
                  std::nullopt},
        WatchCase{"gpsd restarts, then gives the fix", {"", "", kWatching + tpv(kDevice, 3, kHere)},
                  {{52.0626, 5.1385}}}));

TEST(GpsdWatch, EndsWhenWokenAndRefusesAPathGpsdCannotCarry) {
  ScriptedServer server({plays(kWatching), plays(kWatching)});
  int wake[2];
  ASSERT_EQ(::pipe(wake), 0);
  ASSERT_EQ(::write(wake[1], "x", 1), 1);
  const auto started = Clock::now();
  EXPECT_FALSE(watchGpsdForFix(server.address(), kDevice, started + 5s, wake[0]));
  EXPECT_LT(Clock::now() - started, 1s);
  for (const char* path : {"/dev/tty\nUSB0", "/dev/\x1b[2JttyUSB0", "/dev/\"tty", ""}) {
    EXPECT_FALSE(watchGpsdForFix(server.address(), path, Clock::now() + 200ms, -1));
  }
  EXPECT_EQ(server.received().find("tty\n"), std::string::npos);
  EXPECT_EQ(server.received().find("\x1b"), std::string::npos);
  ::close(wake[0]);
  ::close(wake[1]);
}

using GpsdWatchBesideGpsd = test::SimulatorBesideGpsd;

// gpsd is handed the device after the watch began, as gpsdctl is once vxinit is ready.
TEST_F(GpsdWatchBesideGpsd, LearnsTheFixOfADeviceGpsdIsHandedLater) {
  const std::string device = startSimulator({"--awake", "--cold", "1", "--at", "-33.45,-70.66"});
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
  const std::string device = startSimulator({"--awake", "--cold", "600"});
  test::GpsdDaemon gpsd(device, true);
  ASSERT_TRUE(gpsd.waitUntil(device, true)) << gpsd.log();
  std::thread drop([&] {
    std::this_thread::sleep_for(1500ms);  // the watch is asked for long before, even on a loaded machine
    tellGpsd('-', device, 2s);
  });
  const auto started = Clock::now();
  EXPECT_FALSE(watchGpsdForFix(gpsdAddress(), device, started + 30s, -1));
  drop.join();
  EXPECT_LT(Clock::now() - started, 5s);
}

}  // namespace
}  // namespace vx
