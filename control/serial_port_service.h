// SPDX-License-Identifier: MIT
// The serial port service: one serial port with the operations the control
// uses, on QSerialPort. The line settings are fixed: the receiver's own
// (line_format.h).
//
// Everything happens on the thread that owns it. Received data emits
// eventOccurred with CommEvent 2; a device that goes away while open emits
// it with kComEventDeviceLost and leaves the port closed. Failures raise
// vx::Error with number, description and source.
#pragma once

#include <QByteArray>
#include <QObject>
#include <QSerialPort>
#include <QString>

#include "control/host/comm_events.h"

namespace vx {

class SerialPortService : public QObject {
  Q_OBJECT

 public:
  explicit SerialPortService(QObject* parent = nullptr);
  ~SerialPortService() override;

  short CommPort() const { return commPort_; }
  void setCommPort(short port);  // below 1: invalid argument

  bool PortOpen() const { return port_.isOpen(); }
  void setPortOpen(bool open);  // a device that cannot be opened: error 8012

  // The requested state of the line, kept and read back even where the
  // device cannot drive it (a pseudo-terminal); applied on opening.
  bool DTREnable() const { return dtr_; }
  void setDTREnable(bool on);
  bool RTSEnable() const { return rts_; }
  void setRTSEnable(bool on);

  void Output(const QByteArray& bytes);  // every byte as it is, nothing added
  QByteArray Input();                    // all bytes received and not yet read
  short CommEvent() const { return commEvent_; }

  // The device that port `port` names (see port_link.h).
  static QString devicePath(int port);
  // The device the port opened (even once its link is gone), or will open.
  QString device() const;
  // The description of the last error event (kComEventDeviceLost and the like).
  QString lastEventDescription() const { return lastEventDescription_; }
  // Records an event the port's owner met (a failure on the receive path).
  void setCommEvent(short event, const QString& description);

 signals:
  void eventOccurred();

 private:
  void onReadyRead();
  void onErrorOccurred();
  bool bytesTakenByAnotherReader(QSerialPort::SerialPortError error) const;
  void keepReading();
  void open();
  void close();
  void raise(short event);
  [[noreturn]] void failToOpen(const QString& device);

  QSerialPort port_;
  short commPort_ = 1;
  bool dtr_ = false;
  bool rts_ = false;
  short commEvent_ = kComEvNone;
  QString lastEventDescription_;
  QString openDevice_;

};

}  // namespace vx
