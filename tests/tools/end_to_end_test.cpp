// SPDX-License-Identifier: MIT
// vxinit against earthmate-sim over a real pseudo-terminal linked as a port:
// the whole system as a user runs it, without the hardware.
#include <gtest/gtest.h>

#include <signal.h>
#include <unistd.h>

#include <QDateTime>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>
#include <regex>
#include <sstream>

#include "control/core/nmea_reader.h"
#include "tests/support/pty_receiver.h"
#include "tests/support/run_program.h"

namespace vx {
namespace {

using test::ProgramResult;
using test::RunningProgram;

std::vector<std::string> lines(const std::string& text) {
  std::vector<std::string> out;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) out.push_back(line);
  return out;
}

int count(const std::string& text, const std::string& what) {
  int n = 0;
  for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
  return n;
}

bool isValidFix(const std::string& sentence) {
  const auto position = vx::readPositionSentence(sentence);
  return position && position->valid;
}

int secondsOfDay(const std::string& rmc) {
  return std::stoi(rmc.substr(7, 2)) * 3600 + std::stoi(rmc.substr(9, 2)) * 60 + std::stoi(rmc.substr(11, 2));
}

class EndToEnd : public ::testing::Test {
 protected:
  void SetUp() override {
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
    qputenv("QT_PLUGIN_PATH", KESTRUNE_PLUGIN_DIR);
    qputenv("TZ", "UTC");  // so that --tz 0 gives the receiver the true UTC
  }

  std::unique_ptr<RunningProgram> startSimulator(std::vector<std::string> args) {
    args.insert(args.begin(), {"--link", "1", "--seed", "7"});
    auto simulator = std::make_unique<RunningProgram>(SIM_PATH, args);
    const QString link = config.path() + "/vx/com1";
    EXPECT_TRUE(test::waitUntil([&] { return QFileInfo(link).isSymLink(); }, std::chrono::seconds(10)));
    return simulator;
  }

  ProgramResult stop(std::unique_ptr<RunningProgram>& simulator) {
    simulator->signal(SIGTERM);
    ProgramResult result = simulator->wait(10);
    EXPECT_EQ(result.exitCode, 128 + SIGTERM) << result.err;
    EXPECT_FALSE(QFileInfo(config.path() + "/vx/com1").exists());  // the link is gone again
    return result;
  }

  ProgramResult vxinit(std::vector<std::string> args) {
    args.insert(args.begin(), {"--port", "1"});
    return test::runProgram(VXINIT_PATH, args, {}, 90);
  }

  static QString gpsd() { return QStandardPaths::findExecutable("gpsd", {"/usr/sbin", "/usr/local/sbin", "/usr/bin"}); }
  static QString gpspipe() { return QStandardPaths::findExecutable("gpspipe"); }
  static bool gpsdInstalled() { return !gpsd().isEmpty() && !gpspipe().isEmpty(); }
  static constexpr const char* kNoGpsd = "gpsd and gpspipe (Debian's gpsd, gpsd-clients) are not installed";

  // A real gpsd reading the simulator's device, as gpspipe -w shows it: `reports` of them, a TPV among them.
  ProgramResult watchThroughGpsd(int reports) {
    const std::string device = QFileInfo(config.path() + "/vx/com1").symLinkTarget().toStdString();
    const std::string port = std::to_string(20000 + ::getpid() % 20000);
    RunningProgram daemon(gpsd().toStdString(), {"-N", "-n", "-S", port, device});
    ProgramResult watched;
    for (int attempt = 0; attempt < 20 && watched.out.find("\"class\":\"TPV\"") == std::string::npos; ++attempt) {
      test::processEventsFor(std::chrono::milliseconds(250));  // until gpsd listens
      watched = test::runProgram(gpspipe().toStdString(), {"-w", "-n", std::to_string(reports), "127.0.0.1:" + port}, {}, 30);
    }
    daemon.signal(SIGTERM);
    daemon.wait(10);
    return watched;
  }

  // Initialisation that the simulated receiver accepts: near its true position, the true UTC.
  const std::vector<std::string> kGoodInit{"--lat", "52.06", "--lon", "5.14", "--lon-hem", "E", "--tz", "0"};

  QTemporaryDir config;
};

std::vector<std::string> with(std::vector<std::string> a, const std::vector<std::string>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

TEST_F(EndToEnd, OneWakeReplyAndOneValidInitThenAFix) {
  auto simulator = startSimulator({"--speed", "10"});
  const ProgramResult run = vxinit(with({"--until-fix", "--timeout", "30"}, kGoodInit));
  const ProgramResult log = stop(simulator);
  EXPECT_EQ(run.exitCode, 0) << run.err;
  ASSERT_FALSE(run.out.empty());
  EXPECT_TRUE(isValidFix(lines(run.out).back())) << lines(run.out).back();
  EXPECT_EQ(count(log.err, "awake: the host answered EARTHA"), 1) << log.err;
  EXPECT_EQ(count(log.err, "init #"), 1) << log.err;
  EXPECT_NE(log.err.find("init #1: "), std::string::npos) << log.err;
  EXPECT_NE(log.err.find("(accepted: "), std::string::npos) << log.err;
  EXPECT_EQ(log.err.find("invalid message"), std::string::npos) << log.err;
}

// Every second's $GPRMC and $GPGSA, in order, consecutive seconds.
void expectEverySecondInOrder(const std::string& out, std::size_t sentences) {
  const auto got = lines(out);
  ASSERT_EQ(got.size(), sentences) << out;
  for (std::size_t i = 0; i + 1 < got.size(); i += 2) {
    ASSERT_EQ(got[i].rfind("$GPRMC,", 0), 0u) << got[i];
    EXPECT_EQ(got[i + 1].rfind("$GPGSA,", 0), 0u) << got[i + 1];
    if (i >= 2) {
      EXPECT_EQ(secondsOfDay(got[i]), (secondsOfDay(got[i - 2]) + 1) % 86400) << got[i];
    }
  }
}

TEST_F(EndToEnd, BurstsAndOneByteWritesLoseNothing) {
  for (const std::vector<std::string>& fault : {std::vector<std::string>{"--burst"}, {"--chunk", "1"}}) {
    auto simulator = startSimulator(with({"--speed", "10"}, fault));
    const ProgramResult run = vxinit(with({"--count", "40", "--timeout", "30"}, kGoodInit));
    stop(simulator);
    EXPECT_EQ(run.exitCode, 0) << fault[0] << ": " << run.err;
    expectEverySecondInOrder(run.out, 40);
  }
}

TEST_F(EndToEnd, JunkLosesExactlyTheMessagesItFollows) {
  auto simulator = startSimulator({"--speed", "10", "--junk", "0.05", "--verbose"});
  const ProgramResult run = vxinit(with({"--count", "120", "--timeout", "60"}, kGoodInit));
  const ProgramResult log = stop(simulator);
  ASSERT_EQ(run.exitCode, 0) << run.err;
  // What the host should have seen: each 1000 and 1002 that no junk followed.
  std::vector<std::string> expected;
  int sent = 0, junked = 0;
  const std::regex message("message (100[023]) (\\d{6})( junk)?");
  for (const auto& line : lines(log.err)) {
    std::smatch m;
    if (!std::regex_search(line, m, message) || m[1] == "1003") continue;
    ++sent;
    if (m[3].matched) {
      ++junked;
      continue;
    }
    expected.push_back(m[1] == "1000" ? "RMC " + m[2].str() : "GSA");
  }
  std::vector<std::string> seen;
  for (const auto& line : lines(run.out)) seen.push_back(line[3] == 'R' ? "RMC " + line.substr(7, 6) : "GSA");
  ASSERT_LE(seen.size(), expected.size());
  EXPECT_TRUE(std::equal(seen.begin(), seen.end(), expected.begin()));
  EXPECT_GT(junked, 0);
  std::cout << "junk 0.05: " << junked << " of " << sent << " position and channel messages lost ("
            << 100.0 * junked / sent << "%), each one a message that junk followed\n";
}

// The simulator hangs up and removes its port link: vxinit says so, naming
// the device it had open, not the one the port would name now.
TEST_F(EndToEnd, HangUpEndsVxinitWithAClearMessage) {
  auto simulator = startSimulator({"--speed", "10", "--hangup-after", "20"});
  // A position far from the simulated one: no fix comes before the hang-up.
  const ProgramResult run = vxinit({"--until-fix", "--timeout", "30", "--lat", "42.4413", "--lon", "71.2544"});
  const ProgramResult log = simulator->wait(10);
  EXPECT_EQ(run.exitCode, 1) << run.err;
  EXPECT_NE(run.err.find("vxinit: the receiver's line went away (/dev/pts/"), std::string::npos)
      << run.err;
  EXPECT_NE(log.err.find("hanging up after"), std::string::npos) << log.err;
}

// Output that cannot take the sentences ends vxinit: a full disk is a
// failure (1), a reader that has had enough ends it as SIGPIPE would (141).
TEST_F(EndToEnd, VxinitEndsWhenItsOutputCannotTakeTheSentences) {
  auto simulator = startSimulator({"--speed", "20", "--awake"});
  const std::string command = std::string(VXINIT_PATH) + " --port 1 --timeout 30";
  const ProgramResult full = test::runProgram("/bin/bash", {"-c", command + " > /dev/full"}, {}, 60);
  EXPECT_EQ(full.exitCode, 1) << full.err;
  EXPECT_NE(full.err.find("vxinit: cannot write to standard output: No space left on device"), std::string::npos)
      << full.err;
  const ProgramResult piped =
      test::runProgram("/bin/bash", {"-c", command + " | head -n 1 > /dev/null; exit ${PIPESTATUS[0]}"}, {}, 60);
  EXPECT_EQ(piped.exitCode, 128 + SIGPIPE) << piped.err;
  EXPECT_NE(piped.err.find("vxinit: the output's reader is gone, closing the port"), std::string::npos) << piped.err;
  stop(simulator);
}

// A second simulator never takes over or removes the port of one still running.
TEST_F(EndToEnd, SecondSimulatorLeavesARunningOnesPortAlone) {
  auto first = startSimulator({"--speed", "10"});
  const QString target = QFileInfo(config.path() + "/vx/com1").symLinkTarget();
  const ProgramResult second = test::runProgram(SIM_PATH, {"--link", "1", "--duration", "1"}, {}, 10);
  EXPECT_EQ(second.exitCode, 1) << second.err;
  EXPECT_NE(second.err.find("already points at"), std::string::npos) << second.err;
  EXPECT_EQ(QFileInfo(config.path() + "/vx/com1").symLinkTarget(), target);
  stop(first);
}

// Nobody reads the line: the simulator sleeps till the line takes more or
// its next second is due, instead of spinning. Of twenty looks at its
// state, most find it asleep ("S"), even on a loaded machine; none finds
// a spinning one so. The CPU it uses then: bench/plug_in_figures.sh.
TEST_F(EndToEnd, SimulatorNobodyReadsSleeps) {
  const std::string looks = std::string(SIM_PATH) + " --speed 50 --burst --duration 150 > /dev/null 2>&1 & sleep 1; " +
                            "for i in $(seq 20); do cut -d ' ' -f 3 /proc/$!/stat; sleep 0.05; done; kill $!";
  const ProgramResult states = test::runProgram("/bin/bash", {"-c", looks}, {}, 30);
  EXPECT_GE(std::count(states.out.begin(), states.out.end(), 'S'), 10) << states.out;
}

// A receiver woken earlier talks binary from the start: it is found by its
// first sound header, and neither answered nor initialised again.
TEST_F(EndToEnd, ReceiverWokenEarlierIsReadAtOnceAndNotWokenAgain) {
  auto simulator = startSimulator({"--speed", "10", "--awake"});
  const ProgramResult run = vxinit({"--count", "4", "--timeout", "5"});
  const ProgramResult log = stop(simulator);
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(lines(run.out).size(), 4u) << run.out;
  EXPECT_EQ(run.err.find("wake reply"), std::string::npos) << run.err;
  EXPECT_EQ(log.err.find("the host answered"), std::string::npos) << log.err;
  EXPECT_EQ(log.err.find("init #"), std::string::npos) << log.err;
}

// The Linux GPS stack: vxinit initialises the receiver and leaves it
// sending; gpsd then takes the device over and serves the fix.
TEST_F(EndToEnd, GpsdServesTheFixOnceVxinitHasInitialisedTheReceiver) {
  if (!gpsdInstalled()) GTEST_SKIP() << kNoGpsd;
  auto simulator = startSimulator({"--speed", "10"});
  const ProgramResult init = vxinit(with({"--until-fix", "--timeout", "30"}, kGoodInit));
  ASSERT_EQ(init.exitCode, 0) << init.err;
  const ProgramResult watched = watchThroughGpsd(12);
  const ProgramResult log = stop(simulator);

  // A 3D fix at the simulator's position, 52.0626 N 5.1385 E.
  const std::regex fix(R"("class":"TPV".*"mode":3.*"lat":52\.06\d*,"lon":5\.13\d*)");
  EXPECT_TRUE(std::regex_search(watched.out, fix)) << watched.out;
  EXPECT_EQ(count(log.err, "init #"), 1) << log.err;
}

// gpsd reading the stand-in as it reads a real receiver: today's date,
// dilutions that agree, and the satellites in view with their signals.
TEST_F(EndToEnd, GpsdSeesTheStandInsSatellitesTodaysDateAndDilutionsThatAgree) {
  if (!gpsdInstalled()) GTEST_SKIP() << kNoGpsd;
  auto simulator = startSimulator({"--speed", "4", "--awake", "--cold", "2"});
  const ProgramResult watched = watchThroughGpsd(40);
  stop(simulator);
  const QString year = QString::number(QDateTime::currentDateTimeUtc().date().year());
  int dated = 0, skies = 0, skiesWithSignals = 0;
  for (const std::string& line : lines(watched.out)) {
    const QJsonObject report = QJsonDocument::fromJson(QByteArray::fromStdString(line)).object();
    if (report["class"] == "TPV" && report.contains("time")) {
      EXPECT_TRUE(report["time"].toString().startsWith(year + "-")) << line;
      ++dated;
    }
    if (report["class"] != "SKY" || !report.contains("satellites")) continue;
    ++skies;
    const auto dop = [&](const char* name) { return report[name].toDouble(); };
    EXPECT_NEAR(std::hypot(dop("hdop"), dop("vdop")), dop("pdop"), 0.02) << line;
    EXPECT_NEAR(std::hypot(dop("pdop"), dop("tdop")), dop("gdop"), 0.02) << line;
    EXPECT_EQ(report["nSat"].toInt(), 11) << line;
    // The report that the channels complete (it is dated) gives each satellite its signal too.
    const bool withSignals = report.contains("time");
    skiesWithSignals += withSignals;
    for (const QJsonValue satellite : report["satellites"].toArray()) {
      const int number = satellite["PRN"].toInt();
      EXPECT_TRUE(number >= 1 && number <= 32) << line;
      EXPECT_TRUE(satellite.toObject().contains("el")) << line;
      EXPECT_TRUE(!withSignals || satellite.toObject().contains("ss")) << line;
    }
  }
  EXPECT_GT(dated, 0) << watched.out;
  EXPECT_GT(skies, 0) << watched.out;
  EXPECT_GT(skiesWithSignals, 0) << watched.out;
}

TEST(EarthmateSimArguments, BadArgumentsPrintUsageAndExitTwo) {
  const std::vector<std::vector<std::string>> bad{
      {"--link", "0"},  {"--at", "52"},      {"--at", "95,5"},      {"--speed", "0"},   {"--speed", "1e-7"},
      {"--speed", "1e300"}, {"--junk", "1.5"}, {"--chunk", "0"}, {"--warm", "-1"}, {"--whatever"}};
  for (const auto& args : bad) {
    const auto result = test::runProgram(SIM_PATH, args, {}, 10);
    EXPECT_EQ(result.exitCode, 2) << args[0];
    EXPECT_NE(result.err.find("Usage: earthmate-sim"), std::string::npos);
  }
}

}  // namespace
}  // namespace vx
