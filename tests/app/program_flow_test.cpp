// SPDX-License-Identifier: MIT
// The chain of modal screens and the program's end, and the whole program
// in-process against earthmate-sim linked as port 1.
#include <signal.h>

#include <QCheckBox>
#include <QDateTime>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <functional>
#include <regex>

#include "app/location_screen.h"
#include "app/monitor_screen.h"
#include "app/tick_box.h"
#include "app/welcome_screen.h"
#include "serial/port_link.h"
#include "tests/app/app_fixture.h"
#include "tests/support/pty_receiver.h"
#include "tests/support/run_program.h"

namespace kestrune::test {
namespace {

class ProgramFlow : public AppTest {
 protected:
  void SetUp() override { writeSettings("[Settings]\nLat=52.06\nLong=5.14\nComPort=1\n"); }
  // Runs the welcome screen until the program ends; returns the screens shown on the way.
  void runUntilEnded(const std::function<void(WelcomeScreen&)>& start) {
    WelcomeScreen welcome;
    QSignalSpy ended(&welcome, &WelcomeScreen::ended);
    welcome.show();
    start(welcome);
    ASSERT_TRUE(vx::test::waitUntil([&] { return ended.count() == 1; }, std::chrono::seconds(60)));
    EXPECT_FALSE(welcome.isVisible());
  }
};

TEST_F(ProgramFlow, LeavingTheWelcomeScreenEndsTheProgramWithoutAnotherScreen) {
  for (const auto& leave :
       {std::function<void(WelcomeScreen&)>([](WelcomeScreen& w) { w.exitButton->click(); }),
        std::function<void(WelcomeScreen&)>([](WelcomeScreen& w) { QTest::keyClick(&w, Qt::Key_Escape); }),
        std::function<void(WelcomeScreen&)>([](WelcomeScreen& w) { w.close(); })}) {
    runUntilEnded(leave);
  }
  EXPECT_EQ(settings(), "[Settings]\nLat=52.06\nLong=5.14\nComPort=1\n");
}

TEST_F(ProgramFlow, EnterOpensTheLocationScreenWhoseExitEndsTheProgram) {
  bool locationShown = false;
  whenShown<LocationScreen>([&](LocationScreen& location) {
    locationShown = true;
    EXPECT_EQ(location.latitudeEdit->text(), "52.06");
    EXPECT_EQ(location.focusWidget(), static_cast<QWidget*>(location.latitudeEdit));
    location.exitButton->click();
  });
  runUntilEnded([](WelcomeScreen& w) { QTest::keyClick(&w, Qt::Key_Return); });
  EXPECT_TRUE(locationShown);
}

TEST_F(ProgramFlow, ClosingTheMonitorEndsTheProgramWithoutWriting) {
  vx::linkPort(1, "/nonexistent/gps");
  whenShown<LocationScreen>([](LocationScreen& location) { location.continueButton->click(); });
  whenShown<MonitorScreen>([](MonitorScreen& monitor) { monitor.close(); });
  runUntilEnded([](WelcomeScreen& w) { w.continueButton->click(); });
  EXPECT_EQ(messages.shown.size(), 1u);  // the port could not be opened
  EXPECT_EQ(settings(), "[Settings]\nLat=52.06\nLong=5.14\nComPort=1\n");
}

TEST_F(ProgramFlow, WholeProgramAgainstTheSimulatorRemembersTheFix) {
  // The user's own time difference, east of Greenwich positive.
  const int eastOfGreenwich = QDateTime::currentDateTime().offsetFromUtc() / 3600;
  writeSettings("[Settings]\nLat=52.06\nLong=5.14\nTZ=" + std::to_string(eastOfGreenwich) + "\n");
  vx::test::RunningProgram simulator(SIM_PATH, {"--link", "1", "--speed", "10", "--seed", "3"});
  watchdog.limit = std::chrono::seconds(60);  // the monitor stays open until the fix
  ASSERT_TRUE(
      vx::test::waitUntil([&] { return QFileInfo(config.path() + "/vx/com1").isSymLink(); }, std::chrono::seconds(10)));

  whenShown<LocationScreen>([](LocationScreen& location) { location.continueButton->click(); });
  whenShown<MonitorScreen>([](MonitorScreen& monitor) { monitor.autoExitBox->click(); });
  runUntilEnded([](WelcomeScreen& w) { w.continueButton->click(); });
  // The port is free and the receiver still sends, initialised: the next
  // host (vxinit here, gpsd in use) reads it at once without waking it again.
  const vx::test::ProgramResult next =
      vx::test::runProgram(VXINIT_PATH, {"--port", "1", "--count", "2", "--timeout", "10"});
  EXPECT_EQ(next.exitCode, 0) << next.err;
  EXPECT_EQ(next.err.find("wake reply"), std::string::npos) << next.err;
  simulator.signal(SIGTERM);
  const vx::test::ProgramResult result = simulator.wait(10);

  EXPECT_TRUE(messages.shown.empty());
  // The simulator's true position is 52.0626 N, 5.1385 E; keys new to the file follow TZ.
  const std::regex expected("\\[Settings\\]\nLat=52\\.06\\d{4}\nLong=5\\.13\\d{4}\nTZ=" +
                            std::to_string(eastOfGreenwich) + "\nLatHem=N\nLongHem=E\nComPort=1\nAutoExit=1\n");
  EXPECT_TRUE(std::regex_match(settings().value_or(""), expected)) << settings().value_or("");
  EXPECT_NE(result.err.find("init #1"), std::string::npos) << result.err;
  EXPECT_EQ(result.err.find("init #2"), std::string::npos) << result.err;  // one initialisation only
}

}  // namespace
}  // namespace kestrune::test
