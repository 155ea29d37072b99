// SPDX-License-Identifier: MIT
// The console host of the receiver link control: configures a control
// created by its programmatic identifier, opens the port, prints each
// sentence as it arrives and reports on stderr what the control sends to
// the receiver. It knows the control only by name, as any late-bound host,
// and sets its properties through its late-binding interface.
#pragma once

#include <QObject>
#include <QString>
#include <QWidget>

#include <optional>

#include "late_bound.h"
#include "link_settings.h"
#include "system_clock.h"

namespace vx {

struct ConsoleOptions {
  int port = 0;
  QString latitude = kDefaultLatitude;
  QString latHemisphere = kDefaultLatHemisphere;
  QString longitude = kDefaultLongitude;
  QString longHemisphere = kDefaultLongHemisphere;
  std::optional<double> timeZone;  // hours to add to local time; nothing: the clock's own difference
  bool untilFix = false;
  bool satellitesInView = kDefaultSatellitesInView;  // $GPGSV after each $GPGSA
  long count = 0;  // 0: no limit
};

class ConsoleHost : public QObject {
  Q_OBJECT

 public:
  // Drives `control`, which must outlive it. `clock` is the control's: it
  // gives the computer's own time difference when none is chosen.
  ConsoleHost(QWidget* control, const ConsoleOptions& options, LocalClock clock = systemLocalTime);

  // Sets the properties, switches the lines on and opens the port; throws
  // vx::Error when the port cannot be used.
  void start();
  // Closes the port and switches the lines off; never throws.
  void stop();

 signals:
  // The host is done: 0 at a fix or after the count, 1 when the line went
  // away or the output failed, 141 when the output's reader went away.
  void finished(int exitCode);
  // A $GPRMC sentence reporting a valid fix has been printed.
  void validFix(const QString& sentence);

 private slots:
  void onComm();
  void onCommError(short event, const QString& description);
  void onTransmitted(const QByteArray& bytes);

 private:
  void finish(int exitCode);

  QWidget* control_;
  LateBound byName_;
  ConsoleOptions options_;
  LocalClock clock_;
  long sentences_ = 0;
  bool finished_ = false;  // sentences drained after the end are not printed
};

// True for a $GPRMC sentence reporting a valid fix (status "A").
bool isValidFix(const QString& sentence);

}  // namespace vx
