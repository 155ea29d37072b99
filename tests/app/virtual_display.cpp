// SPDX-License-Identifier: MIT
#include "tests/app/virtual_display.h"

#include <signal.h>

#include <QStandardPaths>
#include <chrono>
#include <regex>
#include <sstream>
#include <vector>

#include "tests/support/pty_receiver.h"
#include "tests/support/run_program.h"

namespace kestrune::test {
namespace {

std::string programPath(const char* name) { return QStandardPaths::findExecutable(name).toStdString(); }

// The ids of the windows showing with exactly this title, oldest first.
std::vector<std::string> windowsTitled(const std::string& title) {
  const vx::test::ProgramResult found =
      vx::test::runProgram(programPath("xdotool"), {"search", "--onlyvisible", "--name", "^" + title + "$"}, {}, 5);
  std::vector<std::string> ids;
  std::istringstream words(found.out);
  for (std::string id; words >> id;) ids.push_back(id);
  return ids;
}

void setEnvironment(const char* name, const QByteArray& value) {
  value.isNull() ? qunsetenv(name) : qputenv(name, value);
}

}  // namespace

std::string VirtualDisplay::missing() {
  std::string what;
  for (const char* program : {"Xvfb", "xdotool"}) {
    if (programPath(program).empty()) what += (what.empty() ? "" : ", ") + std::string(program);
  }
  return what;
}

VirtualDisplay::VirtualDisplay()
    : server_(std::make_unique<vx::test::RunningProgram>(programPath("Xvfb"),
                                                         std::vector<std::string>{"-displayfd", "2", "-nolisten", "tcp"})),
      displayBefore_(qgetenv("DISPLAY")),
      platformBefore_(qgetenv("QT_QPA_PLATFORM")) {
  // The server writes the number of the display it found free on its standard error, once it takes clients.
  const std::regex number(R"((?:^|\n)(\d+)\n)");
  std::smatch found;
  std::string said;
  vx::test::waitUntil([&] { return std::regex_search(said = server_->errorsSoFar(), found, number); },
                      std::chrono::seconds(10));
  qputenv("DISPLAY", QByteArray(":") + (found.empty() ? "" : found[1].str().c_str()));
  qputenv("QT_QPA_PLATFORM", "xcb");
}

VirtualDisplay::~VirtualDisplay() {
  setEnvironment("DISPLAY", displayBefore_);
  setEnvironment("QT_QPA_PLATFORM", platformBefore_);
  server_->signal(SIGTERM);
  server_->wait(10);
}

bool VirtualDisplay::press(const std::string& title, int windows, const std::string& key) const {
  std::vector<std::string> shown;
  if (!vx::test::waitUntil([&] { return static_cast<int>((shown = windowsTitled(title)).size()) >= windows; },
                           std::chrono::seconds(10))) {
    return false;
  }
  const std::vector<std::string> focusAndPress{"windowfocus", "--sync", shown.back(), "key", "--clearmodifiers", key};
  return vx::test::runProgram(programPath("xdotool"), focusAndPress, {}, 10).exitCode == 0;
}

}  // namespace kestrune::test
