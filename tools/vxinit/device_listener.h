// SPDX-License-Identifier: MIT
// Listens to a serial device before anything is written to it, to learn
// what it is (device_speech.h): it is opened for reading only, set to the
// receiver's line (9600 baud, 8N1, raw), and never written to.
#pragma once

#include <QObject>
#include <QString>
#include <functional>

#include "device_speech.h"

class QSocketNotifier;

namespace vx {

class DeviceListener : public QObject {
  Q_OBJECT

 public:
  // Opens `device`; throws std::runtime_error naming it and the reason.
  explicit DeviceListener(const QString& device);
  ~DeviceListener() override;  // closes the device

  // Reads until the device's speech is known, or `limitSeconds` pass (0: no
  // limit), in a local event loop; kUndecided when the device said nothing
  // that tells. Ends early, undecided, when the application is told to exit.
  Speech listen(double limitSeconds);
  const SpeechListener& speech() const { return speech_; }

  // Hands each line the device has sent, from the first, to `line`, and
  // from now on each new one, in the application's event loop.
  void echoLines(std::function<void(const QByteArray&)> line);

 signals:
  // The device went away (a cable pulled): nothing more will come.
  void gone();

 private:
  void readAvailable();
  void echoPending();

  int fd_ = -1;
  QSocketNotifier* notifier_ = nullptr;
  SpeechListener speech_;
  QByteArray pending_;  // what echoLines has not handed on yet
  std::function<void(const QByteArray&)> echo_;
};

}  // namespace vx
