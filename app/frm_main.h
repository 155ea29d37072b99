// SPDX-License-Identifier: MIT
// The welcome screen, the program's first and last: Continue opens the
// location entry screen modally; when that returns, however the screens
// after it closed, the welcome screen unloads and the program ends.
#pragma once

#include "screen.h"

class QLabel;

namespace kestrune {

class frmMain : public Screen {
  Q_OBJECT

 public:
  frmMain();

  QLabel* Label1;
  QLabel* Label2;
  QPushButton* cmdContinue;
  QPushButton* cmdExit;

 signals:
  // The program is to end now.
  void ended();

 protected:
  void Form_Unload() override;
  void mnuAbout_Click() override;

 private:
  void cmdContinue_Click();
  void cmdExit_Click();
};

}  // namespace kestrune
