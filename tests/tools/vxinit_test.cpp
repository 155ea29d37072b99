// SPDX-License-Identifier: MIT
// vxinit run as a user runs it, against a scripted receiver on a pty.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <functional>
#include <fstream>
#include <thread>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "control/core/date_time.h"
#include "control/core/init_message.h"
#include "position/system_clock.h"
#include "tests/support/pty_receiver.h"
#include "tests/support/receiver_bytes.h"
#include "tests/support/run_program.h"
#include "tools/messages/receiver_messages.h"

namespace vx {
namespace {

using test::PtyReceiver;
using test::RunningProgram;

using test::kLine;

std::string position(uint16_t seconds, uint8_t status) {
  ReceiverPosition p;
  p.seconds = seconds;
  p.status = status;
  p.day = 7, p.month = 12, p.year = 2026;
  return positionMessage(p);
}

class Vxinit : public ::testing::Test {
 protected:
  void SetUp() override { qputenv("QT_PLUGIN_PATH", KESTRUNE_PLUGIN_DIR); }

  std::unique_ptr<RunningProgram> start(std::vector<std::string> args) {
    auto program = std::make_unique<RunningProgram>(VXINIT_PATH, args);
    // Ready once it says the port is open.
    test::waitUntil([&] { return program->errorsSoFar().find("open") != std::string::npos; },
                    std::chrono::seconds(10));
    return program;
  }

  // The receiver's side of a power-up: three lines, then binary.
  void wakeUp() {
    receiver.write(kLine + kLine + kLine);
    ASSERT_EQ(receiver.read(8), kLine);
  }

  PtyReceiver receiver;
};

TEST_F(Vxinit, RunsUntilTheFirstValidFix) {
  auto vxinit = start({"--device", receiver.devicePath(), "--until-fix", "--timeout", "20", "--lat", "52.06",
                       "--lat-hem", "N", "--lon", "5.14", "--lon-hem", "E", "--tz", "0"});
  wakeUp();
  receiver.write(position(1, 1) + position(2, 1));
  EXPECT_EQ(receiver.read(54).size(), 54u);
  receiver.write(position(3, 0) + position(4, 0) + std::string(1, '\xFF'));
  const auto result = vxinit->wait(20);
  EXPECT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(result.out,
            "$GPRMC,000001,V,0000.0000,N,00000.0000,E,00.00,000.0,071226,00.0,E*50\n"
            "$GPRMC,000002,V,0000.0000,N,00000.0000,E,00.00,000.0,071226,00.0,E*53\n"
            "$GPRMC,000003,A,0000.0000,N,00000.0000,E,00.00,000.0,071226,00.0,E*45\n");
  EXPECT_NE(result.err.find("vxinit: receiver awake: wake reply sent\n"), std::string::npos) << result.err;
  EXPECT_NE(result.err.find("vxinit: initialisation sent: init #1: "), std::string::npos) << result.err;
  // The message carries the upper half of each angle: about 0.04 degree steps.
  EXPECT_NE(result.err.find(" UTC, 52.04 N 5.14 E\n"), std::string::npos) << result.err;
}

// Without --tz the time difference is the computer's own, so the receiver
// gets the exact UTC time even where the zone is half an hour off.
TEST_F(Vxinit, WithoutTzTheReceiverGetsTheExactUtcTime) {
  qputenv("TZ", "Asia/Kolkata");
  auto vxinit = start({"--device", receiver.devicePath(), "--count", "1", "--timeout", "20"});
  qunsetenv("TZ");
  wakeUp();
  receiver.write(position(1, 1) + position(2, 1));
  const auto init = decodeInitMessage(receiver.read(54));
  ASSERT_TRUE(init);
  EXPECT_LE(std::abs(secondsBetween(systemUtc(), init->utc)), 60);
  EXPECT_EQ(vxinit->wait(20).exitCode, 0);
}

// --tz as users type it. The computer's own difference, fraction and all,
// gives the exact UTC; another is said once on standard error, naming both.
TEST_F(Vxinit, TzTakesTheFormsUsersTypeAndSaysWhenItIsNotTheComputersOwn) {
  struct Case {
    const char* zone;
    std::vector<std::string> tz;
    int secondsFromUtc;  // what the receiver gets, from the exact UTC
    int warnings;
  };
  const Case cases[] = {
      {"Asia/Kolkata", {"--tz=-5.5"}, 0, 0},
      {"Asia/Kolkata", {"--tz", "-5"}, 1800, 1},
      {"UTC", {"--tz=0"}, 0, 0},
      {"UTC", {"--tz=+1"}, 3600, 1},
  };
  for (const Case& c : cases) {
    std::vector<std::string> args{"--device", receiver.devicePath(), "--lat", "52.1", "--lon", "5.1",
                                  "--count", "1", "--timeout", "20"};
    args.insert(args.end(), c.tz.begin(), c.tz.end());
    qputenv("TZ", c.zone);
    auto vxinit = start(args);
    qunsetenv("TZ");
    wakeUp();
    receiver.write(position(1, 1) + position(2, 1));
    const auto init = decodeInitMessage(receiver.read(54));
    ASSERT_TRUE(init) << c.zone;
    EXPECT_NEAR(secondsBetween(systemUtc(), init->utc), c.secondsFromUtc, 60) << c.zone << " " << c.tz.back();
    const auto result = vxinit->wait(20);
    EXPECT_EQ(result.exitCode, 0) << result.err;
    int warnings = 0;
    for (std::size_t at = result.err.find("vxinit: This computer's clock is "); at != std::string::npos;
         at = result.err.find("vxinit: This computer's clock is ", at + 1)) {
      ++warnings;
    }
    EXPECT_EQ(warnings, c.warnings) << result.err;
  }
}

// Without --lat and --lon: the last fix in the user's settings file, else
// the computer's time zone (a link name too), said on stderr and sent: the
// initialisation message carries it, west and south negative.
TEST_F(Vxinit, TakesTheLastFixFromTheSettingsFileElseTheTimeZone) {
  struct Case {
    const char* settings;
    const char* zone;
    std::string said;
    double latitude, longitude;  // as sent, to the message's steps of about 0.04 degree
  };
  QTemporaryDir home;
  const std::string ini = home.filePath("Kestrune.ini").toStdString();
  const Case cases[] = {
      {"[Settings]\nLat=33.8\nLatHem=S\nLong=151.2\nLongHem=E\n", "Asia/Kolkata",
       "the last fix in " + ini + ": 33.8000 S 151.2000 E", -33.8, 151.2},
      {"[Settings]\nLat=51.5074\nLatHem=N\nLong=0.1276\nLongHem=W\n", "Asia/Kolkata",
       "the last fix in " + ini + ": 51.5074 N 0.1276 W", 51.5074, -0.1276},
      {"[Settings]\nLat=33.8\n", "US/Eastern", "this computer's time zone, US/Eastern: 40.7142 N 74.0064 W", 40.7142,
       -74.0064},
  };
  for (const Case& c : cases) {
    std::ofstream(ini) << c.settings;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path()));
    qputenv("TZ", c.zone);
    auto vxinit = start({"--device", receiver.devicePath(), "--count", "1", "--timeout", "20"});
    qunsetenv("TZ");
    qunsetenv("XDG_CONFIG_HOME");
    wakeUp();
    receiver.write(position(1, 1) + position(2, 1));
    const auto init = decodeInitMessage(receiver.read(54));
    ASSERT_TRUE(init) << c.settings;
    EXPECT_NEAR(init->latitude, c.latitude, 0.05) << c.settings;
    EXPECT_NEAR(init->longitude, c.longitude, 0.05) << c.settings;
    const auto result = vxinit->wait(20);
    EXPECT_NE(result.err.find("vxinit: position from " + c.said + "\n"), std::string::npos) << result.err;
  }
}

// No position at all: nothing is sent (a wrong position is worse than
// none), and what the receiver sends is still printed.
TEST_F(Vxinit, WithNoPositionSendsNothingAndPrintsWhatTheReceiverSends) {
  QTemporaryDir home;
  qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path()));
  qputenv("TZ", "UTC");
  RunningProgram vxinit(VXINIT_PATH, {"--device", receiver.devicePath(), "--timeout", "2"});
  qunsetenv("TZ");
  qunsetenv("XDG_CONFIG_HOME");
  test::waitUntil([&] { return vxinit.errorsSoFar().find("listening") != std::string::npos; }, std::chrono::seconds(10));
  receiver.write(kLine + kLine + kLine + kLine);
  EXPECT_EQ(receiver.read(1, std::chrono::milliseconds(1000)), "");
  const auto result = vxinit.wait(20);
  EXPECT_EQ(result.exitCode, 3) << result.err;
  EXPECT_NE(result.err.find("vxinit: no position (none given, no last fix in " + home.path().toStdString() +
                            "/Kestrune.ini, and this computer's time zone (UTC) has no reference point): "
                            "the receiver will not be initialised\n"),
            std::string::npos)
      << result.err;
  EXPECT_GE(std::count(result.out.begin(), result.out.end(), '\n'), 3) << result.out;
  EXPECT_EQ(result.out.substr(0, 7), "EARTHA\n") << result.out;
}

TEST_F(Vxinit, ListsThePortsAndTheirDevices) {
  receiver.linkAsPort(2);
  const auto result = test::runProgram(VXINIT_PATH, {"--list-ports"});
  EXPECT_EQ(result.exitCode, 0) << result.err;
  EXPECT_NE(result.out.find("port 2: " + receiver.devicePath() + " (pseudo-terminal)\n"), std::string::npos)
      << result.out;
  EXPECT_NE(result.out.find("port 4: /dev/ttyS3 ("), std::string::npos) << result.out;
}

TEST_F(Vxinit, StopsAfterCountSentencesOnALinkedPort) {
  receiver.linkAsPort(2);
  auto vxinit = start({"--port", "2", "--count", "2", "--timeout", "20", "--lat", "52.06", "--lon", "5.14"});
  wakeUp();
  receiver.write(position(1, 1) + position(2, 1) + position(3, 1) + std::string(1, '\xFF'));
  const auto result = vxinit->wait(20);
  EXPECT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(std::count(result.out.begin(), result.out.end(), '\n'), 2);
}

TEST_F(Vxinit, SatellitesPrintsTheSatellitesInViewAfterEachChannelSentence) {
  auto vxinit = start({"--device", receiver.devicePath(), "--satellites", "--count", "2", "--timeout", "20", "--lat",
                       "52.06", "--lon", "5.14"});
  wakeUp();
  receiver.write(channelMessage({{1, 5, 40}}) + std::string(1, '\xFF'));
  const auto result = vxinit->wait(20);
  EXPECT_EQ(result.exitCode, 0) << result.err;
  EXPECT_TRUE(result.out.starts_with("$GPGSA,A,3,05,")) << result.out;
  EXPECT_NE(result.out.find("\n$GPGSV,1,1,01,05,,,40*"), std::string::npos) << result.out;
}

TEST_F(Vxinit, TimeoutExitsThree) {
  auto vxinit = start({"--device", receiver.devicePath(), "--until-fix", "--timeout", "0.5", "--lat", "52.06", "--lon", "5.14"});
  const auto result = vxinit->wait(20);
  EXPECT_EQ(result.exitCode, 3);
  EXPECT_NE(result.err.find("vxinit: no fix within 0.5 seconds"), std::string::npos) << result.err;
}

// HUP, INT and TERM close the port by the ordinary path and exit with
// 128 + the signal's number; a port given by number needs no temporary folder.
TEST_F(Vxinit, SignalsCloseThePortAndExitAsTheShellExpects) {
  receiver.linkAsPort(2);
  QTemporaryDir temporary, runtime;  // with no runtime folder, Qt would make one in TMPDIR
  qputenv("TMPDIR", QFile::encodeName(temporary.path()));
  qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
  for (const int signal : {SIGHUP, SIGINT, SIGTERM}) {
    auto vxinit = start({"--port", "2", "--lat", "52.06", "--lon", "5.14"});  // opens at once in any zone
    vxinit->signal(signal);
    const auto result = vxinit->wait(20);
    EXPECT_EQ(result.exitCode, 128 + signal) << result.err;
    EXPECT_NE(result.err.find(", closing the port"), std::string::npos) << result.err;
  }
  qunsetenv("TMPDIR");
  qunsetenv("XDG_RUNTIME_DIR");
  EXPECT_TRUE(QDir(temporary.path()).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden))
      << QDir(temporary.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden).join(" ").toStdString();
}

// With no position known (Etc/UTC, nothing stored) as with one: every way a
// run ends comes at once, is said truly, and leaves the device as found.
TEST(VxinitEndings, ComeAtOnceAndAreSaidTruly) {
  QTemporaryDir home;
  qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path()));
  qputenv("TZ", "Etc/UTC");
  const std::vector<std::string> position{"--lat", "52.06", "--lon", "5.14"};
  struct Case {
    const char* what;
    std::vector<std::string> args;  // after --device PATH
    bool notALine;                  // /dev/null instead of a pseudo-terminal
    std::function<void(RunningProgram&, PtyReceiver&)> act;
    int exitCode;
    std::string said, notSaid;
  };
  const auto hangUp = [](RunningProgram&, PtyReceiver& receiver) { receiver.hangUp(); };
  const auto terminate = [](RunningProgram& vxinit, PtyReceiver&) { vxinit.signal(SIGTERM); };
  const Case cases[] = {
      {"not a serial line, no position", {}, true, {}, 1, "cannot open /dev/null: Inappropriate ioctl for device", ""},
      {"not a serial line, a position", position, true, {}, 1, "cannot open /dev/null: Inappropriate ioctl", ""},
      {"the line gone while listening", {"--listen", "30"}, false, hangUp, 1, "the receiver's line went away", "left"},
      {"the line gone, no --listen", {}, false, hangUp, 1, "the receiver's line went away", "left alone"},
      {"a signal while listening", {}, false, terminate, 143, "vxinit: Terminated, closing the port\n", "left alone"},
      {"a listen of a millisecond", {"--listen", "0.001"}, false, {}, 4, "said nothing", ""},
  };
  for (const Case& c : cases) {
    PtyReceiver receiver;
    std::vector<std::string> args{"--device", c.notALine ? "/dev/null" : receiver.devicePath()};
    args.insert(args.end(), c.args.begin(), c.args.end());
    RunningProgram vxinit(VXINIT_PATH, args);
    if (c.act) {
      test::waitUntil([&] { return vxinit.errorsSoFar().find("listening") != std::string::npos; },
                      std::chrono::seconds(5));
      c.act(vxinit, receiver);
    }
    const auto result = vxinit.wait(5);  // killed (exit -1) when it does not end of itself
    EXPECT_EQ(result.exitCode, c.exitCode) << c.what << "\n" << result.err;
    EXPECT_NE(result.err.find(c.said), std::string::npos) << c.what << "\n" << result.err;
    if (!c.notSaid.empty()) {
      EXPECT_EQ(result.err.find(c.notSaid), std::string::npos) << c.what << "\n" << result.err;
    }
  }
  qunsetenv("TZ");
  qunsetenv("XDG_CONFIG_HOME");
}

// A device left alone keeps the line settings it had (115200, canonical).
TEST_F(Vxinit, ADeviceLeftAloneKeepsItsLineSettings) {
  const int fd = ::open(receiver.devicePath().c_str(), O_RDWR | O_NOCTTY);
  ASSERT_GE(fd, 0);
  termios before{};
  ::tcgetattr(fd, &before);
  before.c_lflag |= ICANON;
  ::cfsetspeed(&before, B115200);
  ::tcsetattr(fd, TCSANOW, &before);
  const auto result = test::runProgram(VXINIT_PATH, {"--device", receiver.devicePath(), "--listen", "0.2", "--lat", "52", "--lon", "5"});
  termios after{};
  ::tcgetattr(fd, &after);
  ::close(fd);
  EXPECT_EQ(result.exitCode, 4) << result.err;
  EXPECT_EQ(::cfgetospeed(&after), B115200);
  EXPECT_TRUE(after.c_lflag & ICANON);
}

// What goes wrong around the run is told: a state file that cannot be
// written (exit 1, not 0), a misspelt KESTRUNE_GPSD; and vxinit needs no
// control library beside it (a copy elsewhere runs as the original).
TEST_F(Vxinit, FailuresAroundTheRunAreTold) {
  QTemporaryDir elsewhere;
  const std::string copy = elsewhere.filePath("vxinit").toStdString();
  ASSERT_TRUE(QFile::copy(VXINIT_PATH, QString::fromStdString(copy)));
  struct Case {
    const char* what;
    std::string program;
    std::vector<std::string> args;
    const char* gpsd;  // KESTRUNE_GPSD
    int exitCode;
    std::string said;
  };
  const Case cases[] = {
      {"a state file that cannot be written", VXINIT_PATH, {"--state", "/nonexistent/folder/last-fix"}, nullptr, 1,
       "vxinit: cannot write /nonexistent/folder/last-fix: No such file or directory"},
      {"a misspelt KESTRUNE_GPSD", VXINIT_PATH, {}, "localhost;2947", 0,
       "vxinit: KESTRUNE_GPSD=\"localhost;2947\" is not host:port (localhost:2947, say): no gpsd is asked"},
      {"no control library beside it", copy, {}, nullptr, 0, "initialisation sent"},
  };
  for (const Case& c : cases) {
    if (c.gpsd) qputenv("KESTRUNE_GPSD", c.gpsd);
    std::vector<std::string> args{"--device", receiver.devicePath(), "--until-fix", "--timeout", "10", "--lat", "52", "--lon", "5"};
    args.insert(args.end(), c.args.begin(), c.args.end());
    RunningProgram vxinit(c.program, args);
    qunsetenv("KESTRUNE_GPSD");
    test::waitUntil([&] { return vxinit.errorsSoFar().find("open") != std::string::npos; }, std::chrono::seconds(5));
    wakeUp();
    receiver.write(position(1, 1) + position(2, 1));
    EXPECT_EQ(receiver.read(54).size(), 54u) << c.what;
    receiver.write(position(3, 0) + position(4, 0) + std::string(1, '\xFF'));
    const auto result = vxinit.wait(20);
    EXPECT_EQ(result.exitCode, c.exitCode) << c.what << "\n" << result.err;
    EXPECT_NE(result.err.find(c.said), std::string::npos) << c.what << "\n" << result.err;
  }
}

// A console tool: no display is needed, whatever QT_QPA_PLATFORM says.
TEST(VxinitArguments, PortThatCannotBeOpenedExitsOneWithOrWithoutADisplay) {
  qputenv("QT_PLUGIN_PATH", KESTRUNE_PLUGIN_DIR);
  qputenv("QT_QPA_PLATFORM", "xcb");
  const QByteArray display = qgetenv("DISPLAY");
  qunsetenv("DISPLAY");
  qunsetenv("XDG_RUNTIME_DIR");  // as under cron or ssh
  const auto result = test::runProgram(VXINIT_PATH, {"--device", "/nonexistent/ttyUSB9", "--lat", "52", "--lon", "5"});
  qputenv("QT_QPA_PLATFORM", "offscreen");
  if (!display.isEmpty()) qputenv("DISPLAY", display);
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_EQ(result.err, "vxinit: cannot open /nonexistent/ttyUSB9: No such file or directory\n");  // nothing else
}

TEST(VxinitArguments, ClosedStandardOutputIsAFailureBeforeAnythingOpens) {
  const auto result = test::runProgram("/bin/sh", {"-c", std::string(VXINIT_PATH) + " --port 1 >&-"});
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_NE(result.err.find("vxinit: cannot write to standard output: Bad file descriptor"), std::string::npos)
      << result.err;
}

TEST(VxinitArguments, BadArgumentsPrintUsageAndExitTwo) {
  const std::vector<std::vector<std::string>> bad{
      {}, {"--port", "0"}, {"--port", "1", "--device", "/dev/null"}, {"--port", "1", "--lat", "north"},
      {"--port", "1", "--lon-hem", "X"}, {"--port", "1", "--timeout", "0"}, {"--port", "1", "--count", "-1"},
      {"--port", "1", "--what"}, {"--port", "1", "--lat", "90.5"}, {"--port", "1", "--lon", "180.5"},
      {"--port", "1", "--lon", "4226.478"}, {"--port", "1", "--tz", "15"}, {"--port", "1", "--timeout", "2147484"},
      {"--port", "1", "--tz=-5.5"}, {"--port", "1", "--tz="}, {"--port", "1", "--until-fix=yes"}};
  qputenv("TZ", "UTC");  // where -5.5 is not the computer's own difference
  for (const auto& args : bad) {
    const auto result = test::runProgram(VXINIT_PATH, args);
    EXPECT_EQ(result.exitCode, 2) << testing::PrintToString(args);
    EXPECT_NE(result.err.find("Usage: vxinit"), std::string::npos);
  }
  qunsetenv("TZ");
}

}  // namespace
}  // namespace vx
