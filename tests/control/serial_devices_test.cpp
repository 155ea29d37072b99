// SPDX-License-Identifier: MIT
// What the user is told about the devices behind the ports.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <string>
#include <vector>

#include "serial/port_link.h"
#include "serial/serial_devices.h"
#include "tests/support/pty_receiver.h"
#include "tests/support/qt_printers.h"

namespace vx {
namespace {

TEST(SerialDevices, AFailedPortIsToldWhichAdaptersArePresentAndHowToUseOne) {
  QTemporaryDir home;
  qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path()));
  const std::string folder = home.path().toStdString() + "/vx";
  const SerialAdapters adapters{{"/dev/ttyUSB0", "USB-Serial Controller"}, {"/dev/ttyACM0", ""}};
  EXPECT_EQ(adapterAdvice(1, "/dev/ttyS0", adapters),
            "USB serial adapters here: /dev/ttyUSB0 (USB-Serial Controller), /dev/ttyACM0. "
            "To make /dev/ttyUSB0 port 1: mkdir -p " + folder + " && ln -sf /dev/ttyUSB0 " + folder + "/com1");
  QDir().mkpath(QString::fromStdString(folder));
  // The adapter that failed is no advice; the folder exists, so one command does it.
  EXPECT_EQ(adapterAdvice(2, "/dev/ttyUSB0", adapters),
            "USB serial adapters here: /dev/ttyACM0. To make /dev/ttyACM0 port 2: ln -sf /dev/ttyACM0 " + folder +
                "/com2");
  EXPECT_EQ(adapterAdvice(1, "/dev/ttyS0", {}), "");
  qunsetenv("XDG_CONFIG_HOME");
}

// A program's translator gets the whole sentence and may put what is filled
// in where its language wants it; the port description's kind too.
TEST(SerialDevices, TextsComeInTheTranslatorsWordsWithTheirPartsWhereItPutsThem) {
  QTemporaryDir home;
  qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path()));
  QDir().mkpath(home.path() + "/vx");
  const Translator reordered = [](const char* source) -> std::string {
    if (std::string(source) == "USB serial adapters here: %1. To make %2 port %3: %4") return "%4 (%3 <- %2) [%1] 100%";
    if (std::string(source) == "no device") return "kein Gerät";
    return "?";
  };
  EXPECT_EQ(adapterAdvice(3, "/dev/ttyS0", {{"/dev/ttyACM%1", ""}}, reordered),
            "ln -sf /dev/ttyACM%1 " + home.path().toStdString() + "/vx/com3 (3 <- /dev/ttyACM%1) [/dev/ttyACM%1] 100%");
  linkPort(4, "/nonexistent/ttyUSB9");
  EXPECT_EQ(describePort(4, {}, reordered), "4: /nonexistent/ttyUSB9 (kein Gerät)");
  qunsetenv("XDG_CONFIG_HOME");
}

// A port is described as a USB adapter however many links lead from it to
// the adapter's device: users link ports through /dev/serial/by-id, whose
// names are links themselves, and an adapter may be listed by a link.
TEST(SerialDevices, APortIsAnAdapterThroughAnyChainOfLinks) {
  QTemporaryDir home;
  qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path()));
  test::PtyReceiver adapter;  // a real serial line stands for the adapter's device
  test::PtyReceiver other;
  const QString device = QString::fromStdString(adapter.devicePath());
  const QString byId = home.path() + "/by-id/usb-067b_2303_USB-Serial_Controller-if00-port0";
  const QString byPath = home.path() + "/by-path/pci-0000:00:14.0-usb-0:2:1.0-port0";
  QDir().mkpath(home.path() + "/by-id");
  QDir().mkpath(home.path() + "/by-path");
  ASSERT_TRUE(QFile::link(device, byPath));
  ASSERT_TRUE(QFile::link(byPath, byId));
  struct Case {
    QString linkedTo;
    QString listedAs;
    const char* what;
  };
  const Case cases[] = {
      {device, device, "USB serial adapter"},  // linked straight to the device
      {byPath, device, "USB serial adapter"},  // through a link
      {byId, device, "USB serial adapter"},    // through a link to a link
      {device, byId, "USB serial adapter"},    // the adapter listed by a link
      {QString::fromStdString(other.devicePath()), device, "pseudo-terminal"},
      {home.path() + "/by-id/gone", device, "no device"},
  };
  for (const Case& c : cases) {
    linkPort(2, c.linkedTo.toStdString());
    EXPECT_EQ(describePort(2, {{c.listedAs.toStdString(), ""}}),
              QString("2: %1 (%2)").arg(c.linkedTo, c.what).toStdString())
        << "listed as " << c.listedAs.toStdString();
  }
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
    EXPECT_EQ(describePort(1, {}), "1: " + c.device + " (" + c.said + ")");
  }
  qunsetenv("XDG_CONFIG_HOME");
}

}  // namespace
}  // namespace vx
