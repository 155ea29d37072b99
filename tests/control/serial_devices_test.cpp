// SPDX-License-Identifier: MIT
// What the user is told about the devices behind the ports.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <string>
#include <vector>

#include "port_link.h"
#include "pty_receiver.h"
#include "qt_printers.h"
#include "serial_devices.h"

namespace vx {
namespace {

TEST(SerialDevices, AFailedPortIsToldWhichAdaptersArePresentAndHowToUseOne) {
  QTemporaryDir home;
  qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path()));
  const QString folder = home.path() + "/vx";
  const QList<SerialAdapter> adapters{{"/dev/ttyUSB0", "Prolific USB-Serial Controller"}, {"/dev/ttyACM0", ""}};
  EXPECT_EQ(adapterAdvice(1, "/dev/ttyS0", adapters),
            "USB serial adapters here: /dev/ttyUSB0 (Prolific USB-Serial Controller), /dev/ttyACM0. "
            "To make /dev/ttyUSB0 port 1: mkdir -p " + folder + " && ln -sf /dev/ttyUSB0 " + folder + "/com1");
  QDir().mkpath(folder);
  // The adapter that failed is no advice; the folder exists, so one command does it.
  EXPECT_EQ(adapterAdvice(2, "/dev/ttyUSB0", adapters),
            "USB serial adapters here: /dev/ttyACM0. To make /dev/ttyACM0 port 2: ln -sf /dev/ttyACM0 " + folder +
                "/com2");
  EXPECT_EQ(adapterAdvice(1, "/dev/ttyS0", {}), "");
  // A port linked to an adapter is described as one.
  linkPort(3, "/dev/null");
  EXPECT_EQ(describePort(3, {{"/dev/null", ""}}), "3: /dev/null (USB serial adapter)");
  qunsetenv("XDG_CONFIG_HOME");
}

// Only a serial line is called one: ports linked to other things say what they are.
TEST(SerialDevices, APortIsCalledASerialDeviceOnlyWhenItIsASerialLine) {
  QTemporaryDir home;
  qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path()));
  test::PtyReceiver pseudoTerminal;
  struct Case {
    std::string device;
    const char* said;
  };
  std::vector<Case> cases = {
      {home.path().toStdString(), "not a serial device"},  // a folder
      {"/dev/null", "not a serial device"},
      {"/dev/tty", "not a serial device"},  // the tty layer, no line behind it
      {pseudoTerminal.devicePath(), "pseudo-terminal"},
      {"/nonexistent/ttyUSB9", "no device"},
  };
  if (QFile::exists("/sys/class/tty/ttyS0/device")) cases.push_back({"/dev/ttyS0", "serial device"});
  for (const Case& c : cases) {
    linkPort(1, c.device);
    EXPECT_EQ(describePort(1, {}), QString::fromStdString("1: " + c.device + " (" + c.said + ")"));
  }
  qunsetenv("XDG_CONFIG_HOME");
}

}  // namespace
}  // namespace vx
