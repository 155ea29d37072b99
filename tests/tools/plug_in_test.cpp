// SPDX-License-Identifier: MIT
// The receiver plugged in: the template unit's ExecStart run as systemd
// would run it (its specifiers and environment filled in here), against the
// simulator and against devices that are not this receiver.
#include <gtest/gtest.h>

#include <poll.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <fstream>
#include <map>
#include <regex>
#include <sstream>

#include "tests/support/gpsd_daemon.h"
#include "tests/support/pty_receiver.h"
#include "tests/support/run_program.h"

namespace vx {
namespace {

using test::ProgramResult;
using test::RunningProgram;
using Environment = std::map<std::string, std::string>;

std::vector<std::string> words(const std::string& text) {
  std::vector<std::string> out;
  std::istringstream in(text);
  for (std::string word; in >> word;) out.push_back(word);
  return out;
}

// The unit's settings "Key=" in order of appearance.
std::vector<std::string> unitSetting(const std::string& key) {
  std::ifstream unit(UNIT_PATH);
  std::vector<std::string> values;
  for (std::string line; std::getline(unit, line);) {
    if (line.rfind(key + "=", 0) == 0) values.push_back(line.substr(key.size() + 1));
  }
  return values;
}

// ExecStart as systemd runs it for the instance of /dev/`device`: %I the
// device below /dev, ${NAME} and $NAME from the unit's Environment= with
// `settings` over it (as /etc/default/kestrune would give them), the
// state folder `stateDirectory`, and the build's vxinit for the prefix's.
std::vector<std::string> execStart(const std::string& device, const std::string& stateDirectory,
                                   const Environment& settings) {
  Environment environment;
  for (const std::string& line : unitSetting("Environment")) {
    for (const std::string& pair : words(line)) environment[pair.substr(0, pair.find('='))] = pair.substr(pair.find('=') + 1);
  }
  for (const auto& [name, value] : settings) environment[name] = value;
  environment["STATE_DIRECTORY"] = stateDirectory;
  const std::vector<std::string> command = unitSetting("ExecStart");
  EXPECT_EQ(command.size(), 1u);
  std::vector<std::string> args;
  for (std::string word : words(command.at(0))) {
    word = std::regex_replace(word, std::regex("%I"), device.substr(std::string("/dev/").size()));
    if (word[0] == '$' && word[1] != '{') {  // a word of its own: split into zero or more
      for (const std::string& part : words(environment[word.substr(1)])) args.push_back(part);
      continue;
    }
    std::smatch name;
    while (std::regex_search(word, name, std::regex(R"(\$\{(\w+)\})"))) {
      word.replace(name.position(), name.length(), environment[name[1]]);
    }
    args.push_back(word);
  }
  EXPECT_TRUE(args.at(0).ends_with("/vxinit")) << args.at(0);
  args.erase(args.begin());  // the build's vxinit stands for the prefix's
  return args;
}

bool countsAsSuccess(int exitCode) {
  if (exitCode == 0) return true;
  for (const std::string& line : unitSetting("SuccessExitStatus")) {
    for (const std::string& status : words(line)) {
      if (status == std::to_string(exitCode)) return true;
    }
  }
  return false;
}

class PlugIn : public ::testing::Test {
 protected:
  void SetUp() override {
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path()));
    qputenv("QT_PLUGIN_PATH", KESTRUNE_PLUGIN_DIR);
    qputenv("TZ", "Europe/Amsterdam");  // 52.3667 N 4.9000 E: near enough to the simulator's Utrecht
    // A user's last fix far away: a service never reads it.
    std::ofstream(home.filePath("Kestrune.ini").toStdString()) << "[Settings]\nLat=33.8\nLatHem=S\nLong=151.2\n";
  }

  std::unique_ptr<RunningProgram> plugIn(std::vector<std::string> args) {
    args.insert(args.begin(), {"--link", "1", "--seed", "7"});
    auto simulator = std::make_unique<RunningProgram>(SIM_PATH, args);
    EXPECT_TRUE(test::waitUntil([&] { return QFileInfo(home.path() + "/vx/com1").isSymLink(); }, std::chrono::seconds(10)));
    return simulator;
  }
  std::string simulatorDevice() const {
    return QFileInfo(home.path() + "/vx/com1").symLinkTarget().toStdString();
  }
  ProgramResult unplug(std::unique_ptr<RunningProgram>& simulator) {
    simulator->signal(SIGTERM);
    return simulator->wait(10);
  }
  ProgramResult runUnit(const std::string& device, const Environment& settings = {}) {
    return test::runProgram(VXINIT_PATH, execStart(device, state.path().toStdString(), settings), {}, 200);
  }

  QTemporaryDir home, state;
};

// systemd's side of NOTIFY_SOCKET: a datagram socket in a private folder.
class NotifySocket {
 public:
  NotifySocket() : fd_(::socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC, 0)) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    path_ = folder_.filePath("notify").toStdString();
    path_.copy(address.sun_path, sizeof address.sun_path - 1);
    EXPECT_EQ(::bind(fd_, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
  }
  ~NotifySocket() { ::close(fd_); }
  const std::string& path() const { return path_; }
  // The next message, or "" after `timeout`.
  std::string receive(std::chrono::milliseconds timeout) {
    pollfd waiting{fd_, POLLIN, 0};
    if (::poll(&waiting, 1, static_cast<int>(timeout.count())) != 1) return {};
    char message[4096];
    const ssize_t got = ::recv(fd_, message, sizeof message, 0);
    return got > 0 ? std::string(message, static_cast<std::size_t>(got)) : std::string();
  }

 private:
  QTemporaryDir folder_;
  std::string path_;
  int fd_;
};

int count(const std::string& text, const std::string& what) {
  int n = 0;
  for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
  return n;
}

TEST_F(PlugIn, FirstThePositionOfTheTimeZoneThenTheLastFixItWrote) {
  const std::string stateFile = state.filePath("last-fix").toStdString();
  for (const std::string& origin : {std::string("this computer's time zone, Europe/Amsterdam: 52.3667 N 4.9000 E"),
                                    "the last fix in " + stateFile + ": 52.0626 N 5.1385 E"}) {
    auto simulator = plugIn({"--speed", "10"});
    const ProgramResult run = runUnit(simulatorDevice());
    const ProgramResult log = unplug(simulator);
    EXPECT_TRUE(countsAsSuccess(run.exitCode)) << run.exitCode << run.err;
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.err.find("vxinit: position from " + origin + "\n"), std::string::npos) << run.err;
    EXPECT_EQ(count(log.err, "init #1: "), 1) << log.err;
    EXPECT_NE(log.err.find("(accepted: "), std::string::npos) << log.err;
    EXPECT_NE(run.err.find("vxinit: fix 52.0626 N 5.1385 E written to " + stateFile), std::string::npos) << run.err;
  }
}

// A damaged state file is ignored with a message; the time zone stands in.
TEST_F(PlugIn, ADamagedStateFileIsIgnoredWithAMessage) {
  const std::string stateFile = state.filePath("last-fix").toStdString();
  std::ofstream(stateFile) << "latitude = 52.06\nlongitude = five\n";
  auto simulator = plugIn({"--speed", "10"});
  const ProgramResult run = runUnit(simulatorDevice());
  unplug(simulator);
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_NE(run.err.find("vxinit: ignoring the state file " + stateFile +
                         ": it does not hold a latitude and a longitude in degrees\n"
                         "vxinit: position from this computer's time zone, Europe/Amsterdam"),
            std::string::npos)
      << run.err;
  EXPECT_NE(run.err.find("written to " + stateFile), std::string::npos) << run.err;  // mended by the fix
}

// Under systemd, where gpsd answers: ready, with a status, the moment the
// receiver has its initialisation (or is left alone for want of a
// position), the device let go and opened by gpsd, and the fix learnt from
// gpsd written to the state file, so that the next plug-in is warm.
TEST_F(PlugIn, ReadyAtTheHandOverThenTheFixLearntFromGpsd) {
  if (test::GpsdDaemon::program().empty()) GTEST_SKIP() << "gpsd (Debian's gpsd) is not installed";
  const std::string stateFile = state.filePath("last-fix").toStdString();
  struct Case {
    const char* zone;
    const char* status;
  };
  for (const Case& c : {Case{"Europe/Amsterdam", "READY=1\nSTATUS=Receiver initialised with 52.3667 N 4.9000 E; "},
                        Case{"Etc/UTC", "READY=1\nSTATUS=Left alone: "}}) {
    QFile::remove(QString::fromStdString(stateFile));
    qputenv("TZ", c.zone);
    NotifySocket systemd;
    auto simulator = plugIn({"--speed", "5"});
    test::GpsdDaemon gpsd(simulatorDevice(), false);  // knows the device, opens it once watched
    qputenv("NOTIFY_SOCKET", QByteArray::fromStdString(systemd.path()));
    RunningProgram run(VXINIT_PATH, execStart(simulatorDevice(), state.path().toStdString(), {}));
    qunsetenv("NOTIFY_SOCKET");
    const std::string ready = systemd.receive(std::chrono::seconds(30));
    const ProgramResult result = run.wait(150);
    unplug(simulator);
    EXPECT_TRUE(ready.starts_with(c.status)) << c.zone << ": " << ready << "\n" << result.err;
    EXPECT_EQ(result.exitCode, 0) << c.zone << "\n" << result.err;
    EXPECT_NE(result.err.find("vxinit: fix 52.0626 N 5.1385 E (from gpsd) written to " + stateFile), std::string::npos)
        << c.zone << "\n" << result.err;
  }
}

// Devices that are not this receiver: left alone, nothing written (the far
// side of a raw pseudo-terminal counts the bytes), the exit a success for
// systemd, at once for another device's NMEA text, at the limit for silence.
TEST_F(PlugIn, AnotherDeviceOrASilentOneIsLeftAloneWithNothingWritten) {
  const std::string nmea = "$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*47\r\n";
  for (const bool talks : {true, false}) {
    test::PtyReceiver device;
    QElapsedTimer timer;
    timer.start();
    RunningProgram run(VXINIT_PATH, execStart(device.devicePath(), state.path().toStdString(), {{"KESTRUNE_LISTEN", "3"}}));
    test::waitUntil([&] { return run.errorsSoFar().find("listening") != std::string::npos; }, std::chrono::seconds(10));
    if (talks) device.write(nmea + nmea);
    const ProgramResult result = run.wait(20);
    const double seconds = timer.elapsed() / 1000.0;
    EXPECT_EQ(result.exitCode, 4) << result.err;
    EXPECT_TRUE(countsAsSuccess(result.exitCode));
    EXPECT_EQ(device.read(1, std::chrono::milliseconds(300)), "") << (talks ? "NMEA device" : "silent device");
    EXPECT_NE(result.err.find("left alone, nothing written to it"), std::string::npos) << result.err;
    if (talks) {
      EXPECT_NE(result.err.find("sends NMEA text ($GPGGA,123519"), std::string::npos) << result.err;
      EXPECT_LT(seconds, 2.5) << "an NMEA device is left alone at once";
    } else {
      EXPECT_GE(seconds, 3) << "a silent device is left alone at the limit";
    }
    EXPECT_FALSE(QFileInfo::exists(state.filePath("last-fix")));
  }
}

// /etc/default/kestrune switches the unit off with the usual words for
// off, in any case: ExecCondition skips it.
TEST_F(PlugIn, TheSettingsFileSwitchesItOff) {
  const std::vector<std::string> condition = unitSetting("ExecCondition");
  ASSERT_EQ(condition.size(), 1u);
  const std::string shell = condition[0].substr(0, condition[0].find(' '));
  // As systemd hands it to the shell: "$$" is a "$".
  const std::string script = std::regex_replace(
      std::regex_replace(condition[0].substr(condition[0].find("'") + 1), std::regex("'$"), ""), std::regex("\\$\\$"),
      "$");
  for (const auto& [value, runs] : {std::pair{"no", false}, {"No", false}, {"false", false}, {"OFF", false},
                                    {"0", false}, {"n", false}, {"yes", true}, {"", true}, {"1", true}, {"on", true},
                                    {"nothing", true}}) {
    qputenv("KESTRUNE_INIT", value);
    EXPECT_EQ(test::runProgram(shell, {"-c", script}, {}, 10).exitCode == 0, runs) << value;
  }
  qunsetenv("KESTRUNE_INIT");
}

}  // namespace
}  // namespace vx
