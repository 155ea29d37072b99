// SPDX-License-Identifier: MIT
// The programs' command lines: every program answers --help and --version
// on the terminal, with or without a display, and exits 0.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>
#include <string>
#include <vector>

#include "tests/support/run_program.h"

namespace kestrune::test {
namespace {

TEST(CommandLine, EveryProgramAnswersHelpAndVersionWithoutADisplay) {
  struct Program {
    const char* path;
    const char* version;
    const char* usage;
  };
  const Program programs[] = {
      {KESTRUNE_PATH, "Kestrune 1.1.0\n", "Usage: kestrune"},
      {VXINIT_PATH, "vxinit (Kestrune) 1.1.0\n", "Usage: vxinit"},
      {VXDECODE_PATH, "vxdecode (Kestrune) 1.1.0\n", "Usage: vxdecode"},
      {SIM_PATH, "earthmate-sim (Kestrune) 1.1.0\n", "Usage: earthmate-sim"},
  };
  const QByteArray display = qgetenv("DISPLAY");
  qunsetenv("DISPLAY");
  qputenv("QT_QPA_PLATFORM", "xcb");  // a window system that is not there
  for (const Program& program : programs) {
    const auto version = vx::test::runProgram(program.path, {"--version"});
    EXPECT_EQ(version.exitCode, 0) << program.path << version.err;
    EXPECT_EQ(version.out, program.version);
    const auto help = vx::test::runProgram(program.path, {"--help"});
    EXPECT_EQ(help.exitCode, 0) << program.path << help.err;
    EXPECT_EQ(help.out.rfind(program.usage, 0), 0u) << help.out;
  }
  qputenv("QT_QPA_PLATFORM", "offscreen");
  if (!display.isEmpty()) qputenv("DISPLAY", display);
}

// Kestrune takes no arguments of its own but --help and --version; Qt takes
// its own (-platform) first. Anything else is refused as Qt refuses it, and
// a start without a display says what to do instead of aborting.
TEST(CommandLine, KestruneRefusesWhatItDoesNotKnowAndSaysWhenThereIsNoDisplay) {
  struct Case {
    std::vector<std::string> args;
    const char* platform;  // QT_QPA_PLATFORM; nothing: Qt's default, which needs a display
    int exitCode;
    const char* says;  // the first line on standard error
  };
  const Case cases[] = {
      {{"--bogus"}, "offscreen", 2, "kestrune: Unknown option 'bogus'."},
      {{"-v"}, "offscreen", 2, "kestrune: Unknown option 'v'."},
      {{"extra"}, "offscreen", 2, "kestrune: Unexpected argument 'extra'."},
      {{"-platform", "offscreen", "--bogus"}, nullptr, 2, "kestrune: Unknown option 'bogus'."},  // Qt took -platform
      {{}, nullptr, 1, "kestrune: Kestrune needs a graphical display, and none could be opened here."},
      {{"--bogus"}, nullptr, 1, "kestrune: Kestrune needs a graphical display, and none could be opened here."},
  };
  const QByteArray display = qgetenv("DISPLAY");
  qunsetenv("DISPLAY");
  qunsetenv("WAYLAND_DISPLAY");
  QTemporaryDir runtime;  // a session's runtime folder, or Qt says it lacks one first
  qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
  for (const Case& c : cases) {
    c.platform != nullptr ? qputenv("QT_QPA_PLATFORM", c.platform) : qunsetenv("QT_QPA_PLATFORM");
    const auto result = vx::test::runProgram(KESTRUNE_PATH, c.args, {}, 20);
    const std::string what = testing::PrintToString(c.args);
    EXPECT_EQ(result.exitCode, c.exitCode) << what << result.err;
    EXPECT_EQ(result.err.substr(0, result.err.find('\n')), c.says) << what;
    EXPECT_NE(result.err.find(c.exitCode == 2 ? "Usage: kestrune" : "vxinit prepares the receiver"), std::string::npos)
        << what << result.err;
    EXPECT_EQ(result.err.find("Reinstalling"), std::string::npos) << what;
  }
  qunsetenv("XDG_RUNTIME_DIR");
  qputenv("QT_QPA_PLATFORM", "offscreen");
  if (!display.isEmpty()) qputenv("DISPLAY", display);
}

TEST(CommandLine, KestruneHelpNamesTheRealSettingsPath) {
  qputenv("XDG_CONFIG_HOME", "/srv/elsewhere");
  const auto help = vx::test::runProgram(KESTRUNE_PATH, {"--help"});
  qunsetenv("XDG_CONFIG_HOME");
  EXPECT_NE(help.out.find("The settings live in /srv/elsewhere/Kestrune.ini;"), std::string::npos) << help.out;
  EXPECT_NE(help.out.find("the device /srv/elsewhere/vx/comN links to"), std::string::npos) << help.out;
}

}  // namespace
}  // namespace kestrune::test
