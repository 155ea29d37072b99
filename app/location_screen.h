// SPDX-License-Identifier: MIT
// The location entry screen: shows the position, time difference and port
// that the settings file remembers, lets the user correct them, checks the
// coordinates, turns the time difference into the control's convention
// (west of Greenwich positive) and opens the monitor screen. It stays
// loaded, hidden, while the monitor runs: the monitor reads its boxes.
#pragma once

#include "app/port_list.h"
#include "app/screen.h"

class QComboBox;
class QLabel;
class QLineEdit;

namespace kestrune {

class LocationScreen : public Screen {
  Q_OBJECT

 public:
  explicit LocationScreen(QWidget* owner);

  QLabel* instructionsLabel;
  QLabel* latitudeLabel;
  QLineEdit* latitudeEdit;
  QComboBox* latitudeHemisphereList;
  QLabel* longitudeLabel;
  QLineEdit* longitudeEdit;
  QComboBox* longitudeHemisphereList;
  QLabel* timeDifferenceLabel;
  QLineEdit* timeDifferenceEdit;
  QLabel* portLabel;
  PortList* portList;
  QPushButton* continueButton;
  QPushButton* exitButton;

  void onContinueClicked();

  // The entries as they stand now, for the monitor screen, which reads each
  // afresh when it needs it; numbers with the point, whichever decimal
  // separator the user typed. After Continue the time difference is in the
  // control's convention (west of Greenwich positive).
  QString enteredLatitude() const;
  QString enteredLatitudeHemisphere() const;
  QString enteredLongitude() const;
  QString enteredLongitudeHemisphere() const;
  QString enteredTimeDifference() const;
  QString enteredPort() const;

  // Continue's last step before the monitor: the box's entry turns into the
  // control's convention, and the user's own form of it is kept for the
  // settings file (usersTimeDifference: "0.5" stays "0.5").
  void handOnTimeDifference();
  QString usersTimeDifference() const;

 protected:
  void showAboutBox() override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void load();
  void startFromTimeZone();
  void tellIfSettingsFileUnusable();
  // Whether the box `watched` (or a list's edit field or drop-down) takes
  // the typed `character`; a character it does not take changes nothing.
  bool accepts(QObject* watched, QChar character) const;
  bool isTextBox(const QObject* watched) const;
  // Says, at the box, what it takes when it refused `refused`, typed or pasted.
  void tellRefused(QLineEdit* box, const QString& refused);
  QList<QComboBox*> lists() const { return {latitudeHemisphereList, longitudeHemisphereList, portList}; }
  void onExitClicked();
  void warn(const QString& text);
  // Offers the computer's own time difference when the box holds another.
  void offerComputersTimeDifference();

  QString usersTimeDifference_;
};

}  // namespace kestrune
