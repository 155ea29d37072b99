// SPDX-License-Identifier: MIT
#include "frm_main.h"

#include <QLabel>
#include <QPushButton>

#include "about_box.h"
#include "frm_confirm.h"

namespace kestrune {

frmMain::frmMain() : Screen(nullptr) {
  Label1 = place<QLabel>(120, 120, 4575, 735,
                         "Kestrune will initialize your Earthmate with a predefined set of co-ordinates.  This will "
                         "speed up the time it takes your Earthmate unit to lock in to the satellites.");
  Label2 = place<QLabel>(120, 960, 4575, 735,
                         "Kestrune will retain the co-ordinates as long as the unit has good batteries or power is "
                         "applied to the unit.");
  for (QLabel* label : {Label1, Label2}) {
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  }
  cmdContinue = place<QPushButton>(2400, 2520, 1095, 375, "&Continue >>");
  cmdExit = place<QPushButton>(3600, 2520, 1095, 375, "&Exit");
  cmdContinue->setDefault(true);
  setCancelButton(cmdExit);
  connect(cmdContinue, &QPushButton::clicked, this, &frmMain::cmdContinue_Click);
  connect(cmdExit, &QPushButton::clicked, this, &frmMain::cmdExit_Click);
  cmdContinue->setFocus();
}

void frmMain::cmdContinue_Click() {
  {
    frmConfirm location(this);
    location.exec();
  }
  unload();
}

void frmMain::cmdExit_Click() { unload(); }

void frmMain::Form_Unload() { emit ended(); }

void frmMain::mnuAbout_Click() { showAbout(this, welcomeAboutText()); }

}  // namespace kestrune
