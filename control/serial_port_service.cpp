// SPDX-License-Identifier: MIT
#include "control/serial_port_service.h"

#include <poll.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QFile>
#include <QPointer>

#include "control/core/line_format.h"
#include "control/error/vx_error.h"
#include "control/host/comm_events.h"
#include "control/host/qt_translator.h"
#include "serial/port_link.h"
#include "serial/serial_devices.h"

namespace vx {
namespace {

constexpr const char* kSource = "MSComm1";

}  // namespace

SerialPortService::SerialPortService(QObject* parent) : QObject(parent) {
  static_assert(!kLineParity);
  port_.setBaudRate(kLineBaudRate);
  port_.setDataBits(static_cast<QSerialPort::DataBits>(kLineDataBits));
  port_.setParity(QSerialPort::NoParity);
  port_.setStopBits(static_cast<QSerialPort::StopBits>(kLineStopBits));
  port_.setFlowControl(QSerialPort::NoFlowControl);
  // Queued, so that the handlers never run inside QSerialPort's own
  // notification: a host may destroy the control (and this port) from OnComm.
  connect(&port_, &QSerialPort::readyRead, this, &SerialPortService::onReadyRead, Qt::QueuedConnection);
  connect(&port_, &QSerialPort::errorOccurred, this, &SerialPortService::onErrorOccurred,
          Qt::QueuedConnection);
}

SerialPortService::~SerialPortService() { close(); }

QString SerialPortService::devicePath(int port) { return QString::fromStdString(portDevicePath(port)); }

void SerialPortService::setCommPort(short port) {
  if (port < 1) {
    throw Error(kPortNumberInvalid, "Invalid port number " + std::to_string(port) + ": ports count from 1",
                kSource);
  }
  if (port_.isOpen()) throw Error(kPortAlreadyOpen, "Port already open", kSource);
  commPort_ = port;
}

void SerialPortService::setPortOpen(bool open) {
  if (open == port_.isOpen()) return;
  open ? this->open() : close();
}

void SerialPortService::setDTREnable(bool on) {
  dtr_ = on;
  if (port_.isOpen()) port_.setDataTerminalReady(on);
}

void SerialPortService::setRTSEnable(bool on) {
  rts_ = on;
  if (port_.isOpen()) port_.setRequestToSend(on);
}

void SerialPortService::Output(const QByteArray& bytes) {
  if (!port_.isOpen()) throw Error(kPortNotOpen, "Port not open", kSource);
  if (port_.write(bytes) != bytes.size()) {
    throw Error(kPortIoFailed,
                QCoreApplication::translate("vx", "cannot write to %1: %2")
                    .arg(device(), port_.errorString())
                    .toStdString(),
                kSource);
  }
  port_.flush();  // out now, not at the next turn of the event loop
}

QByteArray SerialPortService::Input() { return port_.isOpen() ? port_.readAll() : QByteArray(); }

QString SerialPortService::device() const { return port_.isOpen() ? openDevice_ : devicePath(commPort_); }

void SerialPortService::open() {
  const QString device = this->device();
  port_.setPortName(device);
  if (!port_.open(QIODevice::ReadWrite)) failToOpen(device);
  openDevice_ = device;
  // A device that cannot drive the lines (a pseudo-terminal) refuses these;
  // the requested state is kept all the same.
  port_.setDataTerminalReady(dtr_);
  port_.setRequestToSend(rts_);
  port_.clearError();
}

void SerialPortService::failToOpen(const QString& device) {
  QString reason;
  switch (port_.error()) {
    case QSerialPort::PermissionError:
      // QSerialPort reports a lock held by another program as a permission
      // error too; the device's own permissions tell the two apart.
      reason = ::access(QFile::encodeName(device).constData(), R_OK | W_OK) == 0
                   ? QCoreApplication::translate("vx", "Device or resource busy (is another program using it?)")
                   : QCoreApplication::translate("vx", "Permission denied (is the user in the dialout group?)");
      break;
    case QSerialPort::DeviceNotFoundError:
      reason = QCoreApplication::translate("vx", "No such file or directory");
      break;
    default:
      reason = port_.errorString();
      break;
  }
  port_.clearError();
  std::string description =
      QCoreApplication::translate("vx", "cannot open %1: %2").arg(device, reason).toStdString();
  const std::string advice = adapterAdvice(commPort_, device.toStdString(), usbSerialAdapters(), qtTranslator());
  if (!advice.empty()) description += ". " + advice;
  throw Error(kPortCannotOpen, description, kSource);
}

void SerialPortService::close() {
  if (!port_.isOpen()) return;
  port_.flush();
  port_.close();
}

void SerialPortService::onReadyRead() {
  if (port_.bytesAvailable() > 0) raise(kComEvReceive);
}

// A read that found nothing though input was signalled, on a line that has
// not hung up: another program reading the same device (gpsd, say) took the
// bytes first, or set the line to return at once with nothing. Only these
// bytes went elsewhere; a line that went away reports a hang-up.
bool SerialPortService::bytesTakenByAnotherReader(QSerialPort::SerialPortError error) const {
  if (error != QSerialPort::ReadError && error != QSerialPort::ResourceError) return false;
  pollfd line{static_cast<int>(port_.handle()), POLLIN, 0};
  return ::poll(&line, 1, 0) >= 0 && (line.revents & (POLLHUP | POLLERR | POLLNVAL)) == 0;
}

// Qt stops watching the line after a read that would have blocked, and
// watches it again at the next read of the port: Input() for what arrived,
// else an empty read.
void SerialPortService::keepReading() {
  port_.clearError();
  if (port_.bytesAvailable() > 0) return raise(kComEvReceive);
  [[maybe_unused]] const QByteArray nothing = port_.readAll();
}

void SerialPortService::onErrorOccurred() {
  // The error as it stands now, not as queued: the queued report of a failed
  // open (already raised by setPortOpen and cleared) must not close a port
  // opened successfully since.
  const QSerialPort::SerialPortError error = port_.error();
  const bool ignorable = error == QSerialPort::NoError || error == QSerialPort::TimeoutError ||
                         error == QSerialPort::UnsupportedOperationError;  // line control on a pseudo-terminal
  if (ignorable || !port_.isOpen()) return;
  if (bytesTakenByAnotherReader(error)) return keepReading();
  lastEventDescription_ = device() + ": " + port_.errorString();
  port_.clearError();
  // Hand over what had already arrived before reporting the loss.
  if (port_.bytesAvailable() > 0) {
    const QPointer<SerialPortService> alive(this);
    raise(kComEvReceive);
    if (!alive) return;
  }
  close();
  raise(error == QSerialPort::ResourceError || error == QSerialPort::ReadError ? kComEventDeviceLost
                                                                                : kComEventIoError);
}

void SerialPortService::setCommEvent(short event, const QString& description) {
  commEvent_ = event;
  lastEventDescription_ = description;
}

void SerialPortService::raise(short event) {
  commEvent_ = event;
  emit eventOccurred();  // last: a handler may destroy this object
}

}  // namespace vx
