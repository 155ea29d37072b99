// SPDX-License-Identifier: MIT
// The location entry screen: shows the position, time difference and port
// that the settings file remembers, lets the user correct them, checks the
// coordinates, turns the time difference into the control's convention
// (west of Greenwich positive) and opens the monitor screen. It stays
// loaded, hidden, while the monitor runs: the monitor reads its boxes.
#pragma once

#include "port_list.h"
#include "screen.h"

class QComboBox;
class QLabel;
class QLineEdit;

namespace kestrune {

class frmConfirm : public Screen {
  Q_OBJECT

 public:
  explicit frmConfirm(QWidget* owner);

  QLabel* Label5;
  QLabel* Label1;
  QLineEdit* txtLat;
  QComboBox* comLat;
  QLabel* Label2;
  QLineEdit* txtLong;
  QComboBox* comLong;
  QLabel* Label3;
  QLineEdit* txtTZ;
  QLabel* Label4;
  PortList* comPort;
  QPushButton* cmdContinue;
  QPushButton* cmdExit;

  void cmdContinue_Click();

 protected:
  void mnuAbout_Click() override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Form_Load();
  void tellIfSettingsFileUnusable();
  void txtLat_KeyPress(int& KeyAscii);
  void txtLong_KeyPress(int& KeyAscii);
  void txtTZ_KeyPress(int& KeyAscii);
  void discardAll(int& KeyAscii) { KeyAscii = 0; }
  QList<QComboBox*> lists() const { return {comLat, comLong, comPort}; }
  void cmdExit_Click();
  void warn(const QString& text);
  // Offers the computer's own time difference when the box holds another.
  void offerComputersTimeDifference();
};

}  // namespace kestrune
