// SPDX-License-Identifier: MIT
// Every program answers --help and --version on the terminal, with or
// without a display, and exits 0.
#include <gtest/gtest.h>

#include <QByteArray>
#include <string>

#include "run_program.h"

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

}  // namespace
}  // namespace kestrune::test
