// SPDX-License-Identifier: MIT
// The welcome screen, the program's first and last: Continue opens the
// location entry screen modally; when that returns, however the screens
// after it closed, the welcome screen unloads and the program ends.
#pragma once

#include "app/screen.h"

class QLabel;

namespace kestrune {

class WelcomeScreen : public Screen {
  Q_OBJECT

 public:
  WelcomeScreen();

  QLabel* introLabel;
  QLabel* powerNoteLabel;
  QPushButton* continueButton;
  QPushButton* exitButton;

 signals:
  // The program is to end now.
  void ended();

 protected:
  void onUnload() override;
  void showAboutBox() override;

 private:
  void onContinueClicked();
  void onExitClicked();
};

}  // namespace kestrune
