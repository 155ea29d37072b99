// SPDX-License-Identifier: MIT
// The control against a scripted receiver on a real pseudo-terminal.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

#include <QPointer>
#include <QSignalSpy>
#include <atomic>
#include <thread>

#include "control/host/comm_events.h"
#include "control/serial_port_service.h"
#include "control/vxcomm.h"
#include "serial/port_link.h"
#include "tests/support/error_expectations.h"
#include "tests/support/pty_receiver.h"
#include "tests/support/qt_printers.h"
#include "tests/support/receiver_bytes.h"
#include "tests/support/transcript.h"
#include "tools/messages/receiver_messages.h"

namespace vx {
namespace {

using test::PtyReceiver;
using test::waitUntil;

using test::kLine;
using test::kSync;
using test::kWorkedExampleInit;

std::string position(uint16_t seconds, uint8_t status = 0) {
  ReceiverPosition p;
  p.seconds = seconds;
  p.status = status;
  return positionMessage(p);
}

class SerialExchange : public ::testing::Test {
 protected:
  void SetUp() override {
    receiver.linkAsPort(3);
    control = std::make_unique<vxcomm>();
    control->setLocalClock([] { return test::workedExampleClock(); });
    control->setCommPort(3);
  }

  void open() {
    control->setDTREnable(true);
    control->setRTSEnable(true);
    control->setPortOpen(-1);
    ASSERT_EQ(control->PortOpen(), -1);
  }

  // Takes one sentence per OnComm, as the program's monitor screen does.
  void collectSentences() {
    QObject::connect(control.get(), &vxcomm::OnComm, control.get(), [this] { sentences.push_back(control->Idata()); });
  }

  PtyReceiver receiver;
  std::unique_ptr<vxcomm> control;
  std::vector<QString> sentences;
};

TEST_F(SerialExchange, PortNumberMapsToTheLinkElseToTtyS) {
  EXPECT_EQ(SerialPortService::devicePath(3).toStdString(), receiver.devicePath());
  EXPECT_EQ(SerialPortService::devicePath(9), "/dev/ttyS8");
  EXPECT_EQ(test::errorNumberOf([&] { control->setCommPort(0); }), kPortNumberInvalid);
  EXPECT_EQ(control->CommPort(), 3);
}

TEST_F(SerialExchange, LinesAreKeptOnAPseudoTerminalThatCannotDriveThem) {
  open();
  EXPECT_TRUE(control->DTREnable());
  EXPECT_TRUE(control->RTSEnable());
  control->setDTREnable(false);
  EXPECT_FALSE(control->DTREnable());
  EXPECT_EQ(control->PortOpen(), -1);
}

TEST_F(SerialExchange, DeviceThatCannotBeOpenedIs8012WithTheReason) {
  linkPort(4, "/nonexistent/ttyUSB7");
  control->setCommPort(4);
  QSignalSpy changed(control.get(), &vxcomm::PropertyChanged);
  EXPECT_EQ(test::errorDescriptionOf([&] { control->setPortOpen(-1); }),
            "cannot open /nonexistent/ttyUSB7: No such file or directory");
  EXPECT_EQ(test::errorNumberOf([&] { control->setPortOpen(-1); }), kPortCannotOpen);
  EXPECT_EQ(changed.count(), 0);  // a failing write stops before the notification
  EXPECT_EQ(control->PortOpen(), 0);
}

TEST_F(SerialExchange, DeviceInUseIs8012NamingTheDevice) {
  open();
  vxcomm second;
  second.setCommPort(3);
  const std::string description = test::errorDescriptionOf([&] { second.setPortOpen(-1); });
  EXPECT_EQ(description, "cannot open " + receiver.devicePath() + ": Device or resource busy (is another program using it?)");
}

TEST_F(SerialExchange, WakesInitialisesAndDeliversSentencesThroughOnComm) {
  collectSentences();
  open();
  receiver.write(kLine + kLine);
  test::processEventsFor(std::chrono::milliseconds(50));
  EXPECT_EQ(receiver.read(0, std::chrono::milliseconds(0)), "");
  receiver.write(kLine);
  EXPECT_EQ(receiver.read(8), "EARTHA\r\n");
  receiver.write(precisionMessage(210, 120, 170) + position(7) + channelMessage({{1, 5}}) + kSync);
  EXPECT_EQ(test::hexBytes(receiver.read(54)), kWorkedExampleInit);
  ASSERT_TRUE(waitUntil([&] { return sentences.size() >= 2; }));
  EXPECT_EQ(sentences[0], "$GPRMC,000007,A,0000.0000,N,00000.0000,E,00.00,000.0,010100,00.0,E*41");
  EXPECT_EQ(sentences[1], "$GPGSA,A,3,05,,,,,,,,,,,,2.10,1.20,1.70*01");
}

TEST_F(SerialExchange, PortOpenWritesRestartTheExchangeAndDropQueuedSentences) {
  open();
  receiver.write(kLine + kLine + kLine + position(1) + position(2) + kSync);
  ASSERT_TRUE(waitUntil([&] { return receiver.read(62).size() == 62; }));
  control->setPortOpen(0);
  EXPECT_EQ(control->Idata(), "");
  open();
  receiver.write("\r\n" + kLine + kLine + kLine + position(3) + kSync);
  const std::string again = receiver.read(62);
  ASSERT_EQ(again.size(), 62u);
  EXPECT_EQ(test::hexBytes(again.substr(18, 2)), "02 00");  // the sequence number ran on
}

TEST_F(SerialExchange, OdataSendsTheTextUnchanged) {
  open();
  QSignalSpy changed(control.get(), &vxcomm::PropertyChanged);
  control->setProperty("Odata", QString::fromLatin1("$PSRF,1\r\xFF"));
  EXPECT_EQ(receiver.read(9), std::string("$PSRF,1\r\xFF"));
  ASSERT_EQ(changed.count(), 1);
  EXPECT_EQ(changed.at(0).at(0).toString(), "Odata");
}

// A host that tries one port and then another: the failure of the first
// must not close the second at the next turn of the event loop.
TEST_F(SerialExchange, FailedOpenDoesNotCloseALaterGoodOne) {
  linkPort(9, "/nonexistent/gps");
  control->setCommPort(9);
  EXPECT_EQ(test::errorNumberOf([&] { control->setPortOpen(-1); }), kPortCannotOpen);
  control->setCommPort(3);
  open();
  test::processEventsFor(std::chrono::milliseconds(50));
  EXPECT_EQ(control->PortOpen(), -1);
  EXPECT_EQ(control->CommEvent(), kComEvNone);
}

// The host closes the port on the first sentence; the bytes still buffered
// then wake the receiver anew, and the reply cannot go out.
TEST_F(SerialExchange, FailureInsideTheReceivePathIsItsCommEvent) {
  QSignalSpy errors(control.get(), &vxcomm::CommError);
  open();
  QObject::connect(control.get(), &vxcomm::OnComm, control.get(), [this] {
    control->Idata();
    if (control->PortOpen() != 0) control->setPortOpen(0);
  });
  receiver.write(kLine + kLine + kLine + position(1) + kSync + "x\r\n" + kLine + kLine + kLine);
  ASSERT_TRUE(waitUntil([&] { return errors.count() > 0; }));
  EXPECT_EQ(control->CommEvent(), kComEventIoError);
  EXPECT_EQ(errors.at(0).at(1).toString(), "Port not open");
}

TEST_F(SerialExchange, HangUpIsAnErrorEventAndKeepsQueuedSentences) {
  QSignalSpy errors(control.get(), &vxcomm::CommError);
  QSignalSpy onComm(control.get(), &vxcomm::OnComm);
  open();
  control->addmsg("kept");
  receiver.hangUp();
  ASSERT_TRUE(waitUntil([&] { return errors.count() > 0; }));
  EXPECT_EQ(errors.at(0).at(0).value<short>(), kComEventDeviceLost);
  EXPECT_EQ(control->CommEvent(), kComEventDeviceLost);
  EXPECT_EQ(control->PortOpen(), 0);
  EXPECT_GE(onComm.count(), 1);  // an event of another kind while a sentence waits
  EXPECT_EQ(control->Idata(), "kept");
  test::processEventsFor(std::chrono::milliseconds(50));
  EXPECT_EQ(errors.count(), 1);
}

// Another program reading the same line (gpsd, say) takes bytes the control
// was told of, and sets the line to return at once with nothing: the
// control's reads then find nothing now and then, which is no lost line.
TEST_F(SerialExchange, AnotherReaderOfTheLineIsNoLostReceiver) {
  QSignalSpy errors(control.get(), &vxcomm::CommError);
  open();
  const int other = ::open(receiver.devicePath().c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
  ASSERT_GE(other, 0);
  termios line{};
  ::tcgetattr(other, &line);
  ::cfmakeraw(&line);
  line.c_cc[VMIN] = 0;
  line.c_cc[VTIME] = 0;
  ::tcsetattr(other, TCSANOW, &line);
  std::atomic<bool> stop = false;
  std::thread otherReader([&] {
    char sink[16];
    while (!stop) [[maybe_unused]] const auto taken = ::read(other, sink, sizeof sink);
  });
  for (int i = 0; i < 300 && errors.isEmpty(); ++i) {
    receiver.write("$GPTXT,01,01,02,another receiver's line*00\r\n");
    test::processEventsFor(std::chrono::milliseconds(2));
  }
  stop = true;
  otherReader.join();
  ::close(other);
  EXPECT_EQ(errors.count(), 0) << errors.value(0).value(1).toString().toStdString();
  // Still reading: the receiver's start-up lines alone are answered.
  receiver.write(kLine + kLine + kLine);
  EXPECT_EQ(receiver.read(kLine.size()), kLine);
  EXPECT_EQ(control->PortOpen(), -1);
}

TEST_F(SerialExchange, HostMayDestroyTheControlInsideCommError) {
  open();
  QObject::connect(control.get(), &vxcomm::CommError, [&] { control.reset(); });
  QPointer<vxcomm> watched(control.get());
  receiver.hangUp();
  EXPECT_TRUE(waitUntil([&] { return watched.isNull(); }));
}

// A host's OnComm handler that throws fails on its own: the control does not
// take its exception for a failure of the serial line.
TEST_F(SerialExchange, AnExceptionFromTheHostsHandlerIsNotASerialFailure) {
  open();
  QSignalSpy errors(control.get(), &vxcomm::CommError);
  QObject::connect(control.get(), &vxcomm::OnComm, control.get(), [] { throw std::runtime_error("the host's own"); });
  control->addmsg("$GPGSA,A,3,,,,,,,,,,,,,0.00,0.00,0.00*02");
  auto* port = control->findChild<SerialPortService*>();
  ASSERT_NE(port, nullptr);
  port->setCommEvent(kComEvReceive, {});
  EXPECT_THROW(emit port->eventOccurred(), std::runtime_error);
  EXPECT_EQ(errors.count(), 0);
  EXPECT_EQ(control->CommEvent(), kComEvReceive);
}

TEST_F(SerialExchange, HostMayDestroyTheControlInsideOnComm) {
  open();
  int handled = 0;
  QObject::connect(control.get(), &vxcomm::OnComm, [&] {
    ++handled;
    control.reset();
  });
  QPointer<vxcomm> watched(control.get());
  receiver.write(position(1) + position(2) + position(3) + kSync);
  control->setPortOpen(0);  // the reset keeps the bytes for binary...
  control->setPortOpen(-1);
  receiver.write(kLine + kLine + kLine + position(4) + position(5) + position(6) + kSync);
  ASSERT_TRUE(waitUntil([&] { return watched.isNull(); }));
  test::processEventsFor(std::chrono::milliseconds(50));
  EXPECT_EQ(handled, 1);
}

}  // namespace
}  // namespace vx
