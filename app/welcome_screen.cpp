// SPDX-License-Identifier: MIT
#include "app/welcome_screen.h"

#include <QLabel>
#include <QPushButton>

#include "app/about_box.h"
#include "app/location_screen.h"

namespace kestrune {

WelcomeScreen::WelcomeScreen() : Screen(nullptr) {
  introLabel = place<QLabel>(120, 120, 4575, 735,
                         tr("Kestrune will initialize your Earthmate with a predefined set of co-ordinates.  This will "
                            "speed up the time it takes your Earthmate unit to lock in to the satellites."));
  powerNoteLabel = place<QLabel>(120, 960, 4575, 735,
                         tr("Kestrune will retain the co-ordinates as long as the unit has good batteries or "
                            "power is applied to the unit."));
  for (QLabel* label : {introLabel, powerNoteLabel}) {
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  }
  continueButton = place<QPushButton>(2400, 2520, 1095, 375, tr("&Continue >>"));
  exitButton = place<QPushButton>(3600, 2520, 1095, 375, tr("&Exit"));
  continueButton->setDefault(true);
  setCancelButton(exitButton);
  connect(continueButton, &QPushButton::clicked, this, &WelcomeScreen::onContinueClicked);
  connect(exitButton, &QPushButton::clicked, this, &WelcomeScreen::onExitClicked);
  continueButton->setFocus();
}

void WelcomeScreen::onContinueClicked() {
  {
    LocationScreen location(this);
    location.exec();
  }
  unload();
}

void WelcomeScreen::onExitClicked() { unload(); }

void WelcomeScreen::onUnload() { emit ended(); }

void WelcomeScreen::showAboutBox() { showAbout(this, welcomeAboutText()); }

}  // namespace kestrune
