// SPDX-License-Identifier: MIT
#include "app/location_screen.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolTip>
#include <QValidator>
#include <functional>
#include <utility>

#include "app/about_box.h"
#include "app/focus_hints.h"
#include "app/location_rules.h"
#include "app/message_boxes.h"
#include "app/monitor_screen.h"
#include "app/port_list.h"
#include "app/start_position.h"
#include "app/typed_character.h"
#include "common/setting_limits.h"
#include "position/computer_zone.h"
#include "settings/settings_file.h"
#include "settings/settings_keys.h"

namespace kestrune {
namespace {

// What the coordinate boxes take: digits, points (or the locale's decimal
// separator) and Backspace; several pass, the check on Continue reads the
// leading number.
bool acceptsInCoordinate(QChar c) { return (c >= '0' && c <= '9') || isDecimalSeparator(c) || c == kBackspace; }
// The time difference box takes a minus too, in any position.
bool acceptsInTimeDifference(QChar c) { return acceptsInCoordinate(c) || c == '-'; }

// Text that reaches a box other than by a typed key (pasted, dropped)
// passes the box's own filter: a change that brings in a character the box
// refuses is refused whole, and `refuse` tells the user what the box takes.
// The screen's own entries (the settings file's, shown as they are) are
// told of only once the screen shows.
class PastedTextFilter : public QValidator {
 public:
  using Accepts = std::function<bool(QChar)>;
  using Refuse = std::function<void(const QString& refused)>;
  PastedTextFilter(QLineEdit* box, Accepts accepts, Refuse refuse)
      : QValidator(box), box_(box), accepts_(std::move(accepts)), refuse_(std::move(refuse)) {}

  State validate(QString& input, int&) const override {
    QString refused;
    for (QChar c : input) {
      if (!accepts_(c)) refused += c;
    }
    if (refused.isEmpty()) return Acceptable;
    if (box_->isVisible()) refuse_(refused);
    return Invalid;
  }

 private:
  QLineEdit* box_;
  Accepts accepts_;
  Refuse refuse_;
};

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

LocationScreen::LocationScreen(QWidget* owner) : Screen(owner) {
  instructionsLabel =
      place<QLabel>(360, 120, 4335, 375,
                    tr("Please enter the following details as best describes your current location."));
  instructionsLabel->setWordWrap(true);
  instructionsLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  latitudeLabel = place<QLabel>(360, 660, 1485, 195, tr("Latitude (###.####)"));
  latitudeEdit = place<QLineEdit>(2400, 615, 975, 285);
  latitudeEdit->setToolTip(tr("Your latitude. Eg. 37.3567"));
  latitudeHemisphereList = makeList(place<QComboBox>(3480, 600, 615, 315));
  longitudeLabel = place<QLabel>(360, 1095, 1620, 195, tr("Longitude (###.####)"));
  longitudeEdit = place<QLineEdit>(2400, 1050, 975, 285);
  longitudeEdit->setToolTip(tr("Your longitude. Eg. 144.67"));
  longitudeHemisphereList = makeList(place<QComboBox>(3480, 1035, 615, 315));
  timeDifferenceLabel = place<QLabel>(360, 1575, 1395, 195, tr("Time Diff. from UTC"));
  timeDifferenceEdit = place<QLineEdit>(2400, 1530, 975, 285);
  timeDifferenceEdit->setToolTip(
      tr("The time difference from GMT. Eg. London is 0 (+1 in summer), New York is -5 (-4 in summer) and Sydney is "
         "+10 (+11 in summer) etc."));
  portLabel = place<QLabel>(360, 2070, 720, 195, tr("Serial Port"));
  portList = makeList(place<PortList>(2400, 2010, 615, 315));
  portList->setToolTip(tr("The serial port number, where you Earthmate is plugged in to. Eg. 1 or 2 etc."));
  continueButton = place<QPushButton>(2400, 2520, 1095, 375, tr("&Continue >>"));
  exitButton = place<QPushButton>(3600, 2520, 1095, 375, tr("&Exit"));
  for (QLabel* label : {latitudeLabel, longitudeLabel, timeDifferenceLabel, portLabel})
    label->adjustSize();  // sized to their text
  // Each field is named by its caption. The hemisphere lists have none on
  // screen: assistive technology names a list only by a caption, so each gets
  // one that is never shown.
  latitudeLabel->setBuddy(latitudeEdit);
  longitudeLabel->setBuddy(longitudeEdit);
  timeDifferenceLabel->setBuddy(timeDifferenceEdit);
  portLabel->setBuddy(portList);
  for (const auto& [list, name] : {std::pair{latitudeHemisphereList, tr("Latitude hemisphere")},
                                   std::pair{longitudeHemisphereList, tr("Longitude hemisphere")}}) {
    auto* unseenCaption = new QLabel(name, clientArea());
    unseenCaption->setBuddy(list);
    unseenCaption->hide();
  }
  auto* hints = new FocusHints(this);
  for (QWidget* field : {static_cast<QWidget*>(latitudeEdit), static_cast<QWidget*>(longitudeEdit),
                         static_cast<QWidget*>(timeDifferenceEdit), static_cast<QWidget*>(portList)}) {
    hints->add(field);
  }
  continueButton->setDefault(true);
  setCancelButton(exitButton);

  for (QLineEdit* box : {latitudeEdit, longitudeEdit, timeDifferenceEdit}) {
    box->installEventFilter(this);
    box->setValidator(new PastedTextFilter(
        box, [this, box](QChar c) { return accepts(box, c); }, [this, box](const QString& c) { tellRefused(box, c); }));
  }
  // A list with the focus hands typed keys to its edit field directly, past
  // any filter there: the list itself is filtered too. An open drop-down
  // takes keys in its view, which would choose the entry a typed character
  // begins ("3", "W"): filtered as well.
  for (QComboBox* list : lists()) {
    list->installEventFilter(this);
    list->lineEdit()->installEventFilter(this);
    list->view()->installEventFilter(this);
  }
  setTabOrder(latitudeEdit, latitudeHemisphereList);
  setTabOrder(latitudeHemisphereList, longitudeEdit);
  setTabOrder(longitudeEdit, longitudeHemisphereList);
  setTabOrder(longitudeHemisphereList, timeDifferenceEdit);
  setTabOrder(timeDifferenceEdit, portList);
  setTabOrder(portList, continueButton);
  setTabOrder(continueButton, exitButton);
  connect(continueButton, &QPushButton::clicked, this, &LocationScreen::onContinueClicked);
  connect(exitButton, &QPushButton::clicked, this, &LocationScreen::onExitClicked);

  load();
  latitudeEdit->setFocus();
}

void LocationScreen::load() {
  latitudeHemisphereList->addItems({"N", "S"});
  longitudeHemisphereList->addItems({"E", "W"});
  portList->fill();
  for (QComboBox* list : lists()) list->setCurrentIndex(0);
  latitudeEdit->setText(readSetting(kSettingsFile, kSettingsSection, key::kLat));
  longitudeEdit->setText(readSetting(kSettingsFile, kSettingsSection, key::kLong));
  // The file holds the user's own entry, east of Greenwich positive: shown as it is.
  // Without one, the computer's own difference, which gives the receiver the exact time.
  const QString storedTimeDifference = readSetting(kSettingsFile, kSettingsSection, key::kTZ);
  timeDifferenceEdit->setText(storedTimeDifference.isEmpty() ? timeDifferenceText(vx::computerZone().utcOffsetSeconds)
                                                             : storedTimeDifference);
  selectStored(latitudeHemisphereList, readSetting(kSettingsFile, kSettingsSection, key::kLatHem));
  selectStored(longitudeHemisphereList, readSetting(kSettingsFile, kSettingsSection, key::kLongHem));
  selectStored(portList, readSetting(kSettingsFile, kSettingsSection, key::kComPort));
  if (latitudeEdit->text().isEmpty() && longitudeEdit->text().isEmpty()) startFromTimeZone();
  tellIfSettingsFileUnusable();
}

// No position stored (a first start): the computer's time zone gives one,
// and the coordinates' tooltips say so.
void LocationScreen::startFromTimeZone() {
  const auto start = timeZoneStartPosition(QString::fromStdString(vx::computerZoneName()));
  if (!start) return;
  latitudeEdit->setText(start->latitude);
  selectStored(latitudeHemisphereList, start->latHemisphere);
  longitudeEdit->setText(start->longitude);
  selectStored(longitudeHemisphereList, start->longHemisphere);
  for (QLineEdit* box : {latitudeEdit, longitudeEdit}) box->setToolTip(box->toolTip() + "\n" + start->note);
}

// Once per run (this screen loads once): a settings file that is there but
// cannot be used reads as empty and is left alone, and the user should know.
void LocationScreen::tellIfSettingsFileUnusable() {
  if (const QString warning = settingsFileWarning(); !warning.isEmpty()) warn(warning);
}

bool LocationScreen::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return Screen::eventFilter(watched, event);
  const auto& key = *static_cast<QKeyEvent*>(event);
  // The clipboard and undo keys edit a text box; what they paste passes the
  // box's own filter (its validator), as any pasted or dropped text does.
  if (isEditingShortcut(key)) return !isTextBox(watched);  // a list's value changes only by choosing an entry
  const std::optional<QChar> typed = typedCharacter(key);
  const bool refused = typed && !accepts(watched, *typed);
  if (auto* box = qobject_cast<QLineEdit*>(watched); refused && box != nullptr && box->validator() && typed->isPrint())
    tellRefused(box, *typed);
  return refused;
}

void LocationScreen::tellRefused(QLineEdit* box, const QString& refused) {
  QToolTip::showText(box->mapToGlobal(QPoint(0, box->height())), numberRefusal(box == timeDifferenceEdit, refused),
                     box);
}

bool LocationScreen::isTextBox(const QObject* watched) const {
  return watched == latitudeEdit || watched == longitudeEdit || watched == timeDifferenceEdit;
}


bool LocationScreen::accepts(QObject* watched, QChar character) const {
  if (watched == latitudeEdit || watched == longitudeEdit) return acceptsInCoordinate(character);
  if (watched == timeDifferenceEdit) return acceptsInTimeDifference(character);
  return false;  // a list, its edit field or its drop-down: a value changes only by choosing an entry
}

void LocationScreen::onContinueClicked() {
  if (!isValidLatitude(enteredLatitude())) return warn(tr("Please enter a valid number for latitude."));
  if (!isValidLongitude(enteredLongitude())) return warn(tr("Please enter a valid number for Longitude."));
  if (!isValidTimeDifference(enteredTimeDifference())) {
    return warn(tr("Please enter a valid time difference from UTC: hours east of Greenwich, from %1 to %2.")
                    .arg(-vx::kLargestTimeDifference)
                    .arg(vx::kLargestTimeDifference));
  }
  offerComputersTimeDifference();
  handOnTimeDifference();
  // Hiding a modal dialog ends its modal loop: the welcome screen's exec() of
  // this screen returns once the monitor below has closed, and the program
  // ends. Without it the chain of screens would never unwind.
  hide();
  MonitorScreen monitor(this);
  monitor.exec();
}

void LocationScreen::offerComputersTimeDifference() {
  const vx::ComputerZone zone = vx::computerZone();
  if (matchesOffset(enteredTimeDifference(), zone.utcOffsetSeconds)) return;
  const QString question = zoneQuestion(zone, timeDifferenceEdit->text());
  if (messageBoxes().ask(this, {MessageIcon::kQuestion, kProgramTitle, question})) {
    timeDifferenceEdit->setText(timeDifferenceText(zone.utcOffsetSeconds));
  }
}

QString LocationScreen::enteredLatitude() const { return withDecimalPoint(latitudeEdit->text()); }
QString LocationScreen::enteredLatitudeHemisphere() const { return latitudeHemisphereList->currentText(); }
QString LocationScreen::enteredLongitude() const { return withDecimalPoint(longitudeEdit->text()); }
QString LocationScreen::enteredLongitudeHemisphere() const { return longitudeHemisphereList->currentText(); }
QString LocationScreen::enteredTimeDifference() const { return withDecimalPoint(timeDifferenceEdit->text()); }
QString LocationScreen::usersTimeDifference() const { return usersTimeDifference_; }

void LocationScreen::handOnTimeDifference() {
  usersTimeDifference_ = timeDifferenceToKeep(enteredTimeDifference());
  timeDifferenceEdit->setText(negatedTimeDifference(enteredTimeDifference()));
}
QString LocationScreen::enteredPort() const { return portList->currentText(); }

void LocationScreen::onExitClicked() { unload(); }

void LocationScreen::warn(const QString& text) {
  messageBoxes().show(this, {MessageIcon::kWarning, kProgramTitle, text});
}

void LocationScreen::showAboutBox() { showAbout(this, screenAboutText()); }

}  // namespace kestrune
