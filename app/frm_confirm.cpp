// SPDX-License-Identifier: MIT
#include "frm_confirm.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "about_box.h"
#include "computer_zone.h"
#include "frm_connect.h"
#include "global.h"
#include "location_rules.h"
#include "message_boxes.h"
#include "port_list.h"
#include "private_profile.h"
#include "settings_keys.h"
#include "typed_character.h"

namespace kestrune {
namespace {

bool isDigitOrPoint(int c) { return (c >= '0' && c <= '9') || c == '.'; }

// A drop-down list whose edit field takes no typed character (see eventFilter).
template <typename List>
List* makeList(List* list) {
  list->setEditable(true);
  list->setInsertPolicy(QComboBox::NoInsert);
  list->setCompleter(nullptr);
  return list;
}

void selectStored(QComboBox* list, const QString& stored) {
  const int index = list->findText(stored, Qt::MatchExactly | Qt::MatchCaseSensitive);
  if (index >= 0) list->setCurrentIndex(index);
}

}  // namespace

frmConfirm::frmConfirm(QWidget* owner) : Screen(owner) {
  Label5 = place<QLabel>(360, 120, 4335, 375,
                         "Please enter the following details as best describes your current location.");
  Label5->setWordWrap(true);
  Label5->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  Label1 = place<QLabel>(360, 660, 1485, 195, "Latitude (###.####)");
  txtLat = place<QLineEdit>(2400, 615, 975, 285);
  txtLat->setToolTip("Your latitude. Eg. 37.3567");
  comLat = makeList(place<QComboBox>(3480, 600, 615, 315));
  Label2 = place<QLabel>(360, 1095, 1620, 195, "Longitude (###.####)");
  txtLong = place<QLineEdit>(2400, 1050, 975, 285);
  txtLong->setToolTip("Your longitude. Eg. 144.67");
  comLong = makeList(place<QComboBox>(3480, 1035, 615, 315));
  Label3 = place<QLabel>(360, 1575, 1395, 195, "Time Diff. from UTC");
  txtTZ = place<QLineEdit>(2400, 1530, 975, 285);
  txtTZ->setToolTip("The time difference from GMT. Eg. London is 0, New York is -7 and Sydney is +10 etc.");
  Label4 = place<QLabel>(360, 2070, 720, 195, "Serial Port");
  comPort = makeList(place<PortList>(2400, 2010, 615, 315));
  comPort->setToolTip("The serial port number, where you Earthmate is plugged in to. Eg. 1 or 2 etc.");
  cmdContinue = place<QPushButton>(2400, 2520, 1095, 375, "&Continue >>");
  cmdExit = place<QPushButton>(3600, 2520, 1095, 375, "&Exit");
  for (QLabel* label : {Label1, Label2, Label3, Label4}) label->adjustSize();  // sized to their text
  cmdContinue->setDefault(true);
  setCancelButton(cmdExit);

  for (QWidget* box : {static_cast<QWidget*>(txtLat), static_cast<QWidget*>(txtLong), static_cast<QWidget*>(txtTZ)}) {
    box->installEventFilter(this);
  }
  // A list with the focus hands typed keys to its edit field directly, past
  // any filter there: the list itself is filtered too.
  for (QComboBox* list : lists()) {
    list->installEventFilter(this);
    list->lineEdit()->installEventFilter(this);
  }
  setTabOrder(txtLat, comLat);
  setTabOrder(comLat, txtLong);
  setTabOrder(txtLong, comLong);
  setTabOrder(comLong, txtTZ);
  setTabOrder(txtTZ, comPort);
  setTabOrder(comPort, cmdContinue);
  setTabOrder(cmdContinue, cmdExit);
  connect(cmdContinue, &QPushButton::clicked, this, &frmConfirm::cmdContinue_Click);
  connect(cmdExit, &QPushButton::clicked, this, &frmConfirm::cmdExit_Click);

  Form_Load();
  txtLat->setFocus();
}

void frmConfirm::Form_Load() {
  comLat->addItems({"N", "S"});
  comLong->addItems({"E", "W"});
  comPort->fill();
  for (QComboBox* list : lists()) list->setCurrentIndex(0);
  txtLat->setText(ReadSetting(kSettingsFile, kSettingsSection, key::kLat));
  txtLong->setText(ReadSetting(kSettingsFile, kSettingsSection, key::kLong));
  // The file holds the user's own entry, east of Greenwich positive: shown as it is.
  // Without one, the computer's own difference, which gives the receiver the exact time.
  const QString storedTimeDifference = ReadSetting(kSettingsFile, kSettingsSection, key::kTZ);
  txtTZ->setText(storedTimeDifference.isEmpty() ? timeDifferenceText(computerZone().utcOffsetSeconds)
                                                : storedTimeDifference);
  selectStored(comLat, ReadSetting(kSettingsFile, kSettingsSection, key::kLatHem));
  selectStored(comLong, ReadSetting(kSettingsFile, kSettingsSection, key::kLongHem));
  selectStored(comPort, ReadSetting(kSettingsFile, kSettingsSection, key::kComPort));
  tellIfSettingsFileUnusable();
}

// Once per run (this screen loads once): a settings file that is there but
// cannot be used reads as empty and is left alone, and the user should know.
void frmConfirm::tellIfSettingsFileUnusable() {
  const std::string problem = settingsFileProblem(kSettingsFile);
  if (problem.empty()) return;
  warn(QString("Kestrune cannot read its settings file %1: %2. Your settings will not be saved.")
           .arg(QString::fromStdString(profilePath(kSettingsFile)), QString::fromStdString(problem)));
}

bool frmConfirm::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return Screen::eventFilter(watched, event);
  const std::optional<int> typed = typedCharacter(*static_cast<QKeyEvent*>(event));
  if (!typed) return false;
  int KeyAscii = *typed;
  if (watched == txtLat) {
    txtLat_KeyPress(KeyAscii);
  } else if (watched == txtLong) {
    txtLong_KeyPress(KeyAscii);
  } else if (watched == txtTZ) {
    txtTZ_KeyPress(KeyAscii);
  } else {
    discardAll(KeyAscii);  // comLat, comLong, comPort: a value changes only by choosing an entry
  }
  return KeyAscii == 0;
}

void frmConfirm::txtLat_KeyPress(int& KeyAscii) {
  if (!isDigitOrPoint(KeyAscii) && KeyAscii != 8) KeyAscii = 0;
}

void frmConfirm::txtLong_KeyPress(int& KeyAscii) { txtLat_KeyPress(KeyAscii); }

void frmConfirm::txtTZ_KeyPress(int& KeyAscii) {
  if (!isDigitOrPoint(KeyAscii) && KeyAscii != '-' && KeyAscii != 8) KeyAscii = 0;
}

void frmConfirm::cmdContinue_Click() {
  if (!isValidLatitude(txtLat->text())) return warn("Please enter a valid number for latitude.");
  if (!isValidLongitude(txtLong->text())) return warn("Please enter a valid number for Longitude.");
  if (!isValidTimeDifference(txtTZ->text())) {
    return warn("Please enter a valid time difference from UTC: hours east of Greenwich, from -14 to 14.");
  }
  offerComputersTimeDifference();
  txtTZ->setText(negatedTimeDifference(txtTZ->text()));
  hide();
  frmConnect monitor(this);
  monitor.exec();
}

void frmConfirm::offerComputersTimeDifference() {
  const ComputerZone zone = computerZone();
  if (matchesOffset(txtTZ->text(), zone.utcOffsetSeconds)) return;
  const QString question = zoneQuestion(zone.utcOffsetSeconds, zone.name, txtTZ->text());
  if (messageBoxes().ask(this, {MessageIcon::kQuestion, kProgramTitle, question})) {
    txtTZ->setText(timeDifferenceText(zone.utcOffsetSeconds));
  }
}

void frmConfirm::cmdExit_Click() { unload(); }

void frmConfirm::warn(const QString& text) {
  messageBoxes().show(this, {MessageIcon::kWarning, kProgramTitle, text});
}

void frmConfirm::mnuAbout_Click() { showAbout(this, screenAboutText()); }

}  // namespace kestrune
