// SPDX-License-Identifier: MIT
// The connection and fix monitor screen. It creates the receiver link
// control by its programmatic identifier "vx.vxcomm" and drives it by name
// through its late-binding interface: on load it hands it the position,
// time difference and port of the location entry screen and opens the
// port; on each OnComm it takes the sentences waiting and shows time, date,
// position, fix quality, the number of satellites used in the fix and
// precision, and below the rows the satellites the receiver tracks with
// their signals (it switches the control's SatellitesInView on for them).
// With "Auto exit on a fix" ticked it counts 30 valid position sentences
// down and exits at the thirty-first. Its exit routine remembers the last
// valid fix in the settings file.
//
// A receiver that goes silent gets a hint below the rows, and one whose
// line goes is shown as lost, by the device that was open; either way the
// last values stay readable and the countdown stops. Lost stays lost for
// the screen's life: the port is not opened again.
//
// Assistive technology hears of each change of the status and of the fix
// quality (the fix arriving, the receiver lost) as it happens, wherever
// the focus is; the values that change every second are read on request.
//
// The sentence handler lets pending events run after each sentence, so it
// may be entered again, and the screen may close (and even be destroyed by
// its owner) inside it: after each such point the handler touches nothing
// of a closed screen.
#pragma once

#include <QPointer>
#include <QString>
#include <chrono>
#include <memory>

#include "app/screen.h"
#include "app/sentence_items.h"
#include "control/core/nmea_reader.h"

class QLabel;
class QTimer;

namespace vx {
class GpsdLoan;
class LateBound;
}

namespace kestrune {

class Announcer;
class LocationScreen;
class SatelliteBars;
class TickBox;

class MonitorScreen : public Screen {
  Q_OBJECT

 public:
  // The location entry screen is the owner, and the source of the entries.
  explicit MonitorScreen(LocationScreen* location);
  ~MonitorScreen() override;

  QLabel* statusCaption;
  QLabel* statusValue;
  QLabel* dateCaption;
  QLabel* dateValue;
  QLabel* timeCaption;
  QLabel* timeValue;
  QLabel* positionCaption;
  QLabel* positionValue;
  QLabel* qualityCaption;
  QLabel* qualityValue;
  QLabel* satellitesCaption;
  QLabel* satellitesValue;
  QLabel* precisionCaption;
  QLabel* precisionValue;
  SatelliteBars* satelliteBars;  // below the rows
  TickBox* autoExitBox;
  QPushButton* exitButton;
  QWidget* gpsControl = nullptr;  // the control; nullptr when it could not be created

  // Switches DTR, RTS and the port on, each only where it is off; true when
  // all three were off, which is when the status says a connection is tried.
  static bool switchOnLinesAndPort(vx::LateBound& control);

  // How long an open port may stay silent before the screen says so.
  static constexpr std::chrono::seconds kSilenceLimit{10};

  // The fields, as the last "$GPRMC" sentence left them.
  const QString& lastStatus() const { return lastStatus_; }
  int autoExitCount() const { return autoExitCount_; }

 public slots:
  void onSentenceWaiting();
  void onExitClicked();
  // The control lost its line (the device went away, the port closed under it).
  void onReceiverLost(short event, const QString& description);

 protected:
  void onUnload() override;
  void showAboutBox() override;

 private:
  void load();
  // gpsd reading the port's device: said on the status from before the
  // port opens, and the device borrowed where gpsd's control socket lets us.
  void checkGpsd();
  // Closes the port and lets go of its lines: before gpsd is given its device back.
  void closePort();
  void connectToReceiver();
  // One sentence taken from the control, shown; false when the screen closed
  // meanwhile (it may be destroyed: `alive` is then null) and nothing more
  // may be touched.
  bool showSentence(const QString& sentence, const QPointer<MonitorScreen>& alive);
  // Returns true when the automatic exit ran: the handler must end at once.
  bool showPosition(const vx::PositionReading& reading);
  void showPrecision(const vx::PrecisionReading& reading);
  // Gathers the sentences of one "$GPGSV" group; the bars show it once it is
  // whole. A group that misses a sentence is not shown.
  void collectSatellites(const vx::SatellitesReading& reading);
  // The countdown of the automatic exit stops: nothing will come to count.
  void stopCountdown();
  void writeSettings();
  // The status line; a long text wraps over the rows below it.
  void setStatus(const QString& text);
  // The receiver has been silent for kSilenceLimit: the status says so and
  // the hint below the rows says what to check, leaving the last values
  // readable; the next sentence takes both away.
  void showSilenceHint();
  void hideSilenceHint();
  // Below the rows: what gpsd does with the device, and the silent receiver's hint.
  void showNotes();
  // Tells assistive technology, once the screen is shown.
  void announce(const QString& text);
  void announceQuality();

  LocationScreen* location_;
  std::unique_ptr<vx::LateBound> control_;
  QString lastLat_;
  QString lastLatHem_;
  QString lastLong_;
  QString lastLongHem_;
  QString lastStatus_;
  int32_t autoExitCount_ = 0;
  QList<SatelliteSignal> arrivingSatellites_;  // the "$GPGSV" group being gathered
  int nextSatellitesSentence_ = 0;             // its next sentence's number; 0 before a group's first
  QTimer* silence_;  // runs while the port is open and no sentence has come for a while
  QLabel* notes_;  // below the rows, shown while there is something to say
  Announcer* announcer_;
  bool silent_ = false;  // nothing from the receiver for a while
  bool lost_ = false;  // the control lost the line: it stays lost, whatever sentence it still hands over
  QString gpsdNotice_;                    // what gpsd does with the device; empty when nothing
  std::unique_ptr<vx::GpsdLoan> gpsdLoan_;  // the device borrowed from gpsd, given back when the port closes
};

}  // namespace kestrune
