// SPDX-License-Identifier: MIT
// A real gpsd on a private port, reading one device, with a control socket
// of its own; while it lives, KESTRUNE_GPSD and GPSD_SOCKET point the
// programs under test (and their children) at it.
#pragma once

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "gpsd/gpsd_devices.h"
#include "tests/support/run_program.h"

namespace vx::test {

class GpsdDaemon {
 public:
  // gpsd's path, or empty when Debian's gpsd is not installed.
  static std::string program();

  // `openAtOnce`: gpsd opens the device at once (-n), as it does when a
  // client watches; else it only knows it. An empty `device`: none yet.
  GpsdDaemon(const std::string& device, bool openAtOnce);
  ~GpsdDaemon();

  // What gpsd says of `device` now; nullopt when it does not list it.
  std::optional<GpsdDevice> entry(const std::string& device) const;
  // Waits until gpsd lists `device` and has it `open` or not.
  bool waitUntil(const std::string& device, bool open) const;
  // Waits until gpsd has `device` open and has heard a GPS on it.
  bool waitUntilHeard(const std::string& device) const;
  std::string controlSocket() const { return folder_.filePath("gpsd.sock").toStdString(); }
  // gpsd's standard error so far.
  std::string log() const { return daemon_->errorsSoFar(); }

 private:
  QTemporaryDir folder_;
  std::unique_ptr<RunningProgram> daemon_;
};

// The simulator as serial port 1 of a private configuration folder, its
// pseudo-terminal open to gpsd (which drops root); skipped without gpsd.
class SimulatorBesideGpsd : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  // Starts the simulator with `args` (besides --link 1); its device.
  std::string startSimulator(std::vector<std::string> args);

  QTemporaryDir config;
  QTemporaryDir runtime;  // XDG_RUNTIME_DIR
  std::unique_ptr<RunningProgram> simulator;
};

}  // namespace vx::test
