// SPDX-License-Identifier: MIT
// Asking gpsd for its devices and telling it to add or remove one, against
// local servers that are not gpsd or play it badly, and a real gpsd with
// its control socket: the question bounded in time and size and cut short
// by a signal, paths that are not one command line never sent, and a loan
// that a killed program could not return given back by the next run.
#include "gpsd/gpsd_link.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <thread>

#include "gpsd/gpsd_loan.h"
#include "tests/support/gpsd_daemon.h"
#include "tests/support/scripted_server.h"

namespace vx {
namespace {

using namespace std::chrono_literals;
using test::ScriptedServer;
using Clock = std::chrono::steady_clock;

// `before` as fast as the client reads, then a list of devices, then the line held until the client goes.
ScriptedServer::Script replies(std::string before) {
  return [before](ScriptedServer& server, int client) {
    for (std::size_t at = 0; at < before.size() && !server.stopping(); at += 65536) {
      if (!ScriptedServer::sendAll(client, before.substr(at, 65536))) return;
    }
    ScriptedServer::sendAll(client, "{\"class\":\"DEVICES\",\"devices\":[{\"path\":\"/dev/pts/4\"}]}\r\n");
    while (!server.stopping() && server.readFor(client, 20)) {
    }
  };
}

std::string repeated(const std::string& piece, std::size_t times) {
  std::string all;
  for (std::size_t i = 0; i < times; ++i) all += piece;
  return all;
}

// Whether the server playing `before` is heard to answer, and how long the question took; `wakeFd`
// readable after `wakeAfter` (if any).
std::pair<bool, Clock::duration> ask(const std::string& before, std::optional<std::chrono::milliseconds> wakeAfter) {
  ScriptedServer server({replies(before)});
  ::setenv("KESTRUNE_GPSD", server.address().c_str(), 1);
  int wake[2];
  EXPECT_EQ(::pipe(wake), 0);
  std::thread signal([&] {
    if (!wakeAfter) return;
    std::this_thread::sleep_for(*wakeAfter);
    EXPECT_EQ(::write(wake[1], "x", 1), 1);
  });
  const auto started = Clock::now();
  const bool answered = askGpsdForDevices(kGpsdGreetingLimit, wake[0]).has_value();
  const auto took = Clock::now() - started;
  signal.join();
  ::close(wake[0]);
  ::close(wake[1]);
  ::unsetenv("KESTRUNE_GPSD");
  return {answered, took};
}

TEST(DevicesQuestion, IsBoundedInTimeAndSizeAndEndedByASignal) {
  const std::string banner = "{\"class\":\"VERSION\"}\r\n";
  const std::string endless = repeated(std::string(65536, '{'), 1024);  // 64 MB without a line end
  const struct {
    const char* what;
    std::string before;
    std::optional<std::chrono::milliseconds> signalAfter;
    bool answered;
    std::chrono::milliseconds within;
  } cases[] = {{"gpsd's own reply", banner, std::nullopt, true, 500ms},
               {"a line longer than gpsd writes first", banner + std::string(100000, 'x') + "\n", {}, true, 500ms},
               {"200,000 short lines first", banner + repeated("{}\n", 200000), {}, false, kGpsdReplyLimit + 500ms},
               {"no line at all", endless, {}, false, kGpsdGreetingLimit + 500ms},
               {"a line that never ends after the banner", banner + endless, {}, false, kGpsdReplyLimit + 500ms},
               {"the same, a signal arriving", banner + endless, 200ms, false, 1s}};
  for (const auto& each : cases) {
    const auto [answered, took] = ask(each.before, each.signalAfter);
    EXPECT_EQ(answered, each.answered) << each.what;
    EXPECT_LT(took, each.within) << each.what;
  }
}

using BesideGpsd = test::SimulatorBesideGpsd;

TEST_F(BesideGpsd, APathThatIsNotOneCommandLineIsNeverSent) {
  const std::string device = startSimulator({"--awake"});
  test::GpsdDaemon gpsd(device, true);
  ASSERT_TRUE(gpsd.waitUntil(device, true)) << gpsd.log();
  for (const std::string& path : {device + "\n", "/nonexistent\n-" + device, device + "\x1b[2J"}) {
    EXPECT_EQ(tellGpsd('-', path, 2s), GpsdControlAnswer::kUnsafePath);
  }
  EXPECT_TRUE(gpsd.entry(device).value_or(GpsdDevice{}).open) << gpsd.log();
}

// The borrower killed before it could give the device back: the next check gives it back and says so, once.
TEST_F(BesideGpsd, ALoanAKilledProgramCouldNotReturnIsGivenBackByTheNextRun) {
  const std::string device = startSimulator({"--awake"});
  test::GpsdDaemon gpsd(device, true);
  ASSERT_TRUE(gpsd.waitUntilHeard(device)) << gpsd.log();
  int borrowed[2];
  ASSERT_EQ(::pipe(borrowed), 0);
  const pid_t borrower = ::fork();
  if (borrower == 0) {
    const GpsdCheck check = checkGpsd(device, [](const std::string&) {});
    if (::write(borrowed[1], check.loan ? "y" : "n", 1) == 1) ::pause();  // until killed
    ::_exit(1);
  }
  char answer = 0;
  ASSERT_EQ(::read(borrowed[0], &answer, 1), 1);
  ASSERT_EQ(answer, 'y');
  ::kill(borrower, SIGKILL);
  ::waitpid(borrower, nullptr, 0);
  EXPECT_FALSE(gpsd.entry(device).has_value());  // lost to gpsd
  std::vector<std::string> told;
  for (int run = 0; run < 2; ++run) checkGpsd("/dev/null", [&](const std::string& text) { told.push_back(text); });
  EXPECT_EQ(told, std::vector<std::string>{"A program that had borrowed a device ended without giving it back: " +
                                           device + " given back to gpsd (gpsdctl add " + device + ")"});
  EXPECT_TRUE(gpsd.waitUntil(device, true)) << gpsd.log();
}

}  // namespace
}  // namespace vx
