// SPDX-License-Identifier: MIT
// A private X server (Xvfb) for the real program, and its keyboard as a
// user's (xdotool): for what only the program's own main() does, such as
// its answer to a signal.
#pragma once

#include <QByteArray>
#include <memory>
#include <string>

namespace vx::test {
class RunningProgram;
}

namespace kestrune::test {

class VirtualDisplay {
 public:
  // What is missing to have one ("Xvfb", "xdotool"); empty when nothing is.
  static std::string missing();

  // Starts the server; programs started while this lives open their
  // windows on it.
  VirtualDisplay();
  ~VirtualDisplay();
  VirtualDisplay(const VirtualDisplay&) = delete;
  VirtualDisplay& operator=(const VirtualDisplay&) = delete;

  // Presses `key` in the newest window titled `title` once `windows` of
  // them show; false when they do not within ten seconds.
  bool press(const std::string& title, int windows, const std::string& key) const;

 private:
  std::unique_ptr<vx::test::RunningProgram> server_;
  QByteArray displayBefore_, platformBefore_;  // given back when this ends
};

}  // namespace kestrune::test
