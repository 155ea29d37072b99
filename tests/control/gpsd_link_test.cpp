// SPDX-License-Identifier: MIT
// Asking gpsd for its devices and telling it to add or remove one, against
// local servers that are not gpsd or play it badly, and a real gpsd with
// its control socket: the question bounded in time and size and cut short
// by a signal, paths that are not one command line never sent, and a loan
// that a killed program could not return given back by the next run.
#include "gpsd_link.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QFileInfo>
#include <QTemporaryDir>

#include "gpsd_daemon.h"
#include "gpsd_loan.h"
#include "pty_receiver.h"
#include "run_program.h"
#include "scripted_server.h"

namespace vx {
namespace {

using namespace std::chrono_literals;
using test::ScriptedServer;
using Clock = std::chrono::steady_clock;

const std::string kBanner = R"({"class":"VERSION","release":"3.22","rev":"3.22","proto_major":3,"proto_minor":14})"
                            "\r\n";
const std::string kDevices = R"({"class":"DEVICES","devices":[{"path":"/dev/pts/4","activated":"x"}]})"
                             "\r\n";

// Sends `before` in pieces as fast as the client reads, then `devices`, then holds the line.
ScriptedServer::Script replies(std::string before, std::string devices) {
  return [before, devices](int client, const std::atomic<bool>& stopping) {
    for (std::size_t at = 0; at < before.size() && !stopping; at += 65536) {
      if (!ScriptedServer::sendAll(client, before.substr(at, 65536))) return;
    }
    ScriptedServer::sendAll(client, devices);
    char ignored[4096];
    while (!stopping && ::recv(client, ignored, sizeof ignored, MSG_DONTWAIT) != 0) std::this_thread::sleep_for(10ms);
  };
}

struct QuestionCase {
  const char* what;
  std::string before;
  bool answered;
};
void PrintTo(const QuestionCase& each, std::ostream* out) { *out << each.what; }

class DevicesQuestion : public ::testing::TestWithParam<QuestionCase> {};

TEST_P(DevicesQuestion, IsBoundedInTimeAndSize) {
  ScriptedServer serving({replies(GetParam().before, kDevices)});
  ::setenv("KESTRUNE_GPSD", serving.address().c_str(), 1);
  const auto started = Clock::now();
  const auto devices = askGpsdForDevices();
  EXPECT_LT(Clock::now() - started, kGpsdReplyLimit + 500ms);
  EXPECT_EQ(devices.has_value(), GetParam().answered);
  ::unsetenv("KESTRUNE_GPSD");
}

std::string repeated(const std::string& piece, std::size_t times) {
  std::string all;
  all.reserve(piece.size() * times);
  for (std::size_t i = 0; i < times; ++i) all += piece;
  return all;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DevicesQuestion,
    ::testing::Values(QuestionCase{"gpsd's own reply", kBanner, true},
                      QuestionCase{"a line longer than gpsd writes before it", kBanner + std::string(100000, 'x') + "\n",
                                   true},
                      QuestionCase{"200,000 short lines before it", kBanner + repeated("{}\n", 200000), false},
                      QuestionCase{"a line that never ends (64 MB)", repeated(std::string(65536, '{'), 1024), false}));

TEST(DevicesQuestion, EndsWhenASignalArrives) {
  ScriptedServer serving({replies(repeated(std::string(65536, '{'), 1024), kDevices)});
  ::setenv("KESTRUNE_GPSD", serving.address().c_str(), 1);
  int wake[2];
  ASSERT_EQ(::pipe(wake), 0);
  std::thread signal([&] {
    std::this_thread::sleep_for(200ms);
    EXPECT_EQ(::write(wake[1], "x", 1), 1);
  });
  const auto started = Clock::now();
  EXPECT_FALSE(askGpsdForDevices(kGpsdGreetingLimit, wake[0]));
  EXPECT_LT(Clock::now() - started, 1s);
  signal.join();
  ::close(wake[0]);
  ::close(wake[1]);
  ::unsetenv("KESTRUNE_GPSD");
}

// A real gpsd reading the simulator's pseudo-terminal, with its control socket.
class BesideGpsd : public ::testing::Test {
 protected:
  void SetUp() override {
    if (test::GpsdDaemon::program().empty()) GTEST_SKIP() << "gpsd (Debian's gpsd) is not installed";
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
    simulator = std::make_unique<test::RunningProgram>(SIM_PATH, std::vector<std::string>{"--link", "1", "--awake"});
    const QString link = config.path() + "/vx/com1";
    ASSERT_TRUE(test::waitUntil([&] { return QFileInfo(link).isSymLink(); }, 10s));
    device = QFileInfo(link).symLinkTarget().toStdString();
  }
  void TearDown() override {
    if (simulator) simulator->signal(SIGTERM);
    qunsetenv("XDG_RUNTIME_DIR");
  }
  QTemporaryDir config;
  QTemporaryDir runtime;
  std::unique_ptr<test::RunningProgram> simulator;
  std::string device;
};

TEST_F(BesideGpsd, APathThatIsNotOneCommandLineIsNeverSent) {
  test::GpsdDaemon gpsd(device, true);
  ASSERT_TRUE(gpsd.waitUntil(device, true)) << gpsd.log();
  for (const std::string& path : {device + "\n", "/nonexistent\n-" + device, device + "\x1b[2J"}) {
    EXPECT_EQ(tellGpsd('-', path, 2s), GpsdControlAnswer::kUnsafePath);
  }
  EXPECT_TRUE(gpsd.entry(device).value_or(GpsdDevice{}).open) << gpsd.log();
}

// The borrower killed before it could give the device back: the next check gives it back and says so.
TEST_F(BesideGpsd, ALoanAKilledProgramCouldNotReturnIsGivenBackByTheNextRun) {
  test::GpsdDaemon gpsd(device, true);
  ASSERT_TRUE(gpsd.waitUntilHeard(device)) << gpsd.log();
  int borrowed[2];
  ASSERT_EQ(::pipe(borrowed), 0);
  const pid_t borrower = ::fork();
  if (borrower == 0) {
    const GpsdCheck check = checkGpsd(device, [](const std::string&) {});
    ::write(borrowed[1], check.loan ? "y" : "n", 1);
    ::pause();
    ::_exit(0);
  }
  char answer = 0;
  ASSERT_EQ(::read(borrowed[0], &answer, 1), 1);
  ASSERT_EQ(answer, 'y');
  ::kill(borrower, SIGKILL);
  ::waitpid(borrower, nullptr, 0);
  ::close(borrowed[0]);
  ::close(borrowed[1]);
  EXPECT_FALSE(gpsd.entry(device).has_value());  // lost to gpsd
  std::vector<std::string> told;
  const GpsdCheck next = checkGpsd("/dev/null", [&](const std::string& text) { told.push_back(text); });
  ASSERT_EQ(told.size(), 1u);
  EXPECT_EQ(told[0], "A program that had borrowed a device ended without giving it back: " + device +
                         " given back to gpsd (gpsdctl add " + device + ")");
  EXPECT_TRUE(gpsd.waitUntil(device, true)) << gpsd.log();
  told.clear();
  checkGpsd("/dev/null", [&](const std::string& text) { told.push_back(text); });
  EXPECT_TRUE(told.empty());  // told once
}

}  // namespace
}  // namespace vx
