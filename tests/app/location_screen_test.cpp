// SPDX-License-Identifier: MIT
// The location entry screen: what it loads, what it lets the user type,
// and what Continue checks and hands on.
#include "app/location_screen.h"

#include <QAbstractItemView>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolTip>

#include "app/location_rules.h"
#include "app/monitor_screen.h"
#include "serial/port_link.h"
#include "tests/app/app_fixture.h"

namespace kestrune::test {
namespace {

using LocationScreenTest = AppTest;

TEST_F(LocationScreenTest, ShowsItsControlsWhereTheyBelong) {
  LocationScreen screen(nullptr);
  EXPECT_EQ(screen.windowTitle(), "Kestrune");
  EXPECT_EQ(screen.clientArea()->size(), QSize(325, 205));
  EXPECT_EQ(screen.latitudeEdit->geometry(), QRect(160, 41, 65, 19));
  EXPECT_EQ(screen.portList->geometry(), QRect(160, 134, 41, 21));
  EXPECT_EQ(screen.exitButton->geometry(), QRect(240, 168, 73, 25));
  EXPECT_EQ(screen.latitudeEdit->toolTip(), "Your latitude. Eg. 37.3567");
  EXPECT_EQ(screen.longitudeEdit->toolTip(), "Your longitude. Eg. 144.67");
  EXPECT_EQ(screen.timeDifferenceEdit->toolTip(),
            "The time difference from GMT. Eg. London is 0 (+1 in summer), New York is -5 (-4 in summer) and Sydney "
            "is +10 (+11 in summer) etc.");
  EXPECT_TRUE(screen.continueButton->isDefault());
  // Tab walks the boxes and lists top to bottom, then the buttons, from latitudeEdit on.
  screen.show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&screen));
  EXPECT_EQ(QApplication::focusWidget(), static_cast<QWidget*>(screen.latitudeEdit));
  const QWidget* expected[] = {screen.latitudeHemisphereList,
                               screen.longitudeEdit,
                               screen.longitudeHemisphereList,
                               screen.timeDifferenceEdit,
                               screen.portList,
                               screen.continueButton,
                               screen.exitButton,
                               screen.latitudeEdit};
  for (const QWidget* next : expected) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QWidget* focused = QApplication::focusWidget();
    if (auto* list = qobject_cast<QComboBox*>(focused->parentWidget())) focused = list;  // its edit field
    EXPECT_EQ(focused, next) << focused->metaObject()->className();
  }
}

TEST_F(LocationScreenTest, OpensCentredOnItsOwner) {
  QWidget owner;
  owner.setGeometry(100, 80, 600, 400);
  owner.show();
  LocationScreen screen(&owner);
  screen.show();
  EXPECT_LE((screen.frameGeometry().center() - owner.frameGeometry().center()).manhattanLength(), 1);
}

TEST_F(LocationScreenTest, LoadsTheRememberedSettings) {
  struct Case {
    const char* file;
    const char* lat;
    const char* tz;
    const char* lists;  // latitudeHemisphereList, longitudeHemisphereList, portList
  };
  // Without a stored TZ, the box starts with the computer's own difference, hours east;
  // without a stored position, the coordinates start with the zone's point (Kolkata 22.5333 N 88.3667 E).
  setComputerZone("Asia/Kolkata");
  const Case cases[] = {
      {"", "22.5333", "5.5", "NE1"},  // first start: no file
      {"[Settings]\nLat= 33.802057 \nTZ=10\nLatHem=S\nLongHem=W\nComPort=3\n", "33.802057", "10", "SW3"},
      {"[Settings]\nLatHem=s\nLongHem=X\nComPort=03\n", "22.5333", "5.5", "NE1"},  // exact entries only
      {"[Settings]\nComPort=7\nTZ=-.5\n", "22.5333", "-.5", "NE1"},
  };
  for (const Case& c : cases) {
    writeSettings(c.file);
    LocationScreen screen(nullptr);
    EXPECT_EQ(screen.latitudeEdit->text(), c.lat) << c.file;
    EXPECT_EQ(screen.timeDifferenceEdit->text(), c.tz) << c.file;
    EXPECT_EQ(screen.latitudeHemisphereList->currentText() + screen.longitudeHemisphereList->currentText() +
                  screen.portList->currentText(),
              c.lists)
        << c.file;
    EXPECT_EQ(screen.portList->count(), 4);
  }
}

// With no position stored, the coordinates start at the computer's time
// zone's point and say so; a stored position always wins; a zone without
// a point (UTC) leaves them empty.
TEST_F(LocationScreenTest, StartsAtTheTimeZonesPointWhenNoPositionIsStored) {
  struct Case {
    const char* zone;
    const char* file;
    const char* coordinates;  // latitude, its hemisphere, longitude, its hemisphere
    const char* note;         // in the latitude's tooltip; "" for none
  };
  const Case cases[] = {
      {"Europe/Amsterdam", "", "52.3667 N 4.9000 E",
       "From this computer's time zone, Europe/Amsterdam: correct it if you are far from there"},
      {":Europe/Amsterdam", "", "52.3667 N 4.9000 E", "time zone, Europe/Amsterdam"},  // POSIX's leading ':'
      {"US/Eastern", "", "40.7142 N 74.0064 W", "From this computer's time zone, US/Eastern"},  // a link
      {"Australia/Sydney", "", "33.8667 S 151.2167 E", "Australia/Sydney"},
      {"Europe/Amsterdam", "[Settings]\nLat=51.5074\nLong=0.1276\nLongHem=W\n", "51.5074 N 0.1276 W", ""},
      {"Europe/Amsterdam", "[Settings]\nLong=0.1276\n", " N 0.1276 E", ""},  // what is stored wins, even half
      {"UTC", "", " N  E", ""},
  };
  for (const Case& c : cases) {
    setComputerZone(c.zone);
    writeSettings(c.file);
    LocationScreen screen(nullptr);
    EXPECT_EQ(screen.latitudeEdit->text() + " " + screen.latitudeHemisphereList->currentText() + " " +
                  screen.longitudeEdit->text() + " " + screen.longitudeHemisphereList->currentText(),
              c.coordinates)
        << c.zone << " " << c.file;
    const QString tip = screen.latitudeEdit->toolTip();
    EXPECT_TRUE(tip.startsWith("Your latitude. Eg. 37.3567")) << tip.toStdString();
    if (*c.note) {
      EXPECT_TRUE(tip.contains(c.note)) << tip.toStdString();
      EXPECT_EQ(screen.longitudeEdit->toolTip().section('\n', 1), tip.section('\n', 1));
    } else {
      EXPECT_FALSE(tip.contains("time zone")) << tip.toStdString();
    }
  }
}

TEST_F(LocationScreenTest, FiltersTypedAndPastedCharacters) {
  LocationScreen screen(nullptr);
  const auto typeInto = [](QWidget* box, const QString& text) {
    for (QChar c : text) QTest::keyClick(box, c.toLatin1());
  };
  typeInto(screen.latitudeEdit, "4a2.+5-");
  EXPECT_EQ(screen.latitudeEdit->text(), "42.5");
  QTest::keyClick(screen.latitudeEdit, Qt::Key_Backspace);
  EXPECT_EQ(screen.latitudeEdit->text(), "42.");
  screen.timeDifferenceEdit->clear();
  typeInto(screen.timeDifferenceEdit, "-x9.5+");
  EXPECT_EQ(screen.timeDifferenceEdit->text(), "-9.5");
  typeInto(screen.portList->lineEdit(), "7a");
  EXPECT_EQ(screen.portList->currentText(), "1");

  // The clipboard and undo keys work; pasted text passes the filter whole or not at all, by either key.
  screen.longitudeEdit->setText("12.5");
  QTest::keyClick(screen.longitudeEdit, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(screen.longitudeEdit, Qt::Key_X, Qt::ControlModifier);
  EXPECT_EQ(screen.longitudeEdit->text(), "");
  QTest::keyClick(screen.longitudeEdit, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(screen.longitudeEdit->text(), "12.5");
  QTest::keyClick(screen.longitudeEdit, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QApplication::clipboard()->text(), "12.5");
  for (const auto& [key, modifier] : {std::pair{Qt::Key_V, Qt::ControlModifier}, {Qt::Key_Insert, Qt::ShiftModifier}}) {
    screen.longitudeEdit->clear();
    QApplication::clipboard()->setText("12ab");
    QTest::keyClick(screen.longitudeEdit, key, modifier);
    EXPECT_EQ(screen.longitudeEdit->text(), "");
    QApplication::clipboard()->setText("12.5");
    QTest::keyClick(screen.longitudeEdit, key, modifier);
    EXPECT_EQ(screen.longitudeEdit->text(), "12.5");
    QTest::keyClick(screen.portList->lineEdit(), key, modifier);  // no list takes pasted text
    EXPECT_EQ(screen.portList->currentText(), "1");
  }
}

// Numbers as people type and paste them: the locale's decimal separator or
// the point, read as the point; anything else refused whole, with a word of
// what the box takes. Never another number.
TEST_F(LocationScreenTest, NumbersTakeTheLocalesDecimalSeparatorAndRefuseTheRest) {
  struct Case {
    const char* locale;
    const char* input;
    bool pasted;
    const char* entered;  // what the control and the file get
    const char* refused;  // what the message names; nothing when none
  };
  const Case cases[] = {
      {"de_DE", "52,37", false, "52.37", nullptr},  {"de_DE", "52,37", true, "52.37", nullptr},
      {"de_DE", "52.37", true, "52.37", nullptr},   {"de_DE", "52,37N", true, "", "N"},
      {"fr_FR", "52,37", true, "52.37", nullptr},   {"nl_NL", "4,9", false, "4.9", nullptr},
      {"es_ES", "-3,7", true, "", "-"},             {"es_ES", "3,7", false, "3.7", nullptr},
      {"C", "52.37", true, "52.37", nullptr},       {"C", "52,37", true, "", ","},
      {"C", "52,37", false, "5237", ","},           {"de_DE", "1 234,5", true, "", " "},
  };
  const QLocale before;
  for (const Case& c : cases) {
    QLocale::setDefault(QLocale(c.locale));
    LocationScreen screen(nullptr);
    screen.show();
    screen.latitudeEdit->clear();
    QToolTip::hideText();
    QApplication::clipboard()->setText(c.input);
    c.pasted ? screen.latitudeEdit->paste() : QTest::keyClicks(screen.latitudeEdit, c.input);
    EXPECT_EQ(screen.enteredLatitude(), c.entered) << c.locale << " " << c.input;
    const QString separators = QLocale().decimalPoint() == "." ? "\".\"" : "\",\" or \".\"";
    EXPECT_EQ(QToolTip::text(), c.refused == nullptr ? "" : numberRefusal(false, c.refused)) << c.input;
    EXPECT_EQ(numberRefusal(false, "x"),
              "Only digits and " + separators + " as the decimal separator can be entered here: \"x\" cannot.");
  }
  QLocale::setDefault(QLocale("de_DE"));
  LocationScreen screen(nullptr);
  screen.timeDifferenceEdit->setText("-5,5");
  screen.handOnTimeDifference();
  EXPECT_EQ(screen.usersTimeDifference(), "-5.5");  // the file keeps the point
  EXPECT_EQ(screen.enteredTimeDifference(), "5.5");
  QLocale::setDefault(before);
}

// A list with the focus takes keys itself and hands them to its edit field
// directly: typing, wherever Tab leaves the focus, changes no list.
TEST_F(LocationScreenTest, ListsTakeNoTypedCharacterWhereverTheFocusIs) {
  LocationScreen screen(nullptr);
  screen.show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&screen));
  for (QComboBox* list :
       {screen.latitudeHemisphereList, screen.longitudeHemisphereList, static_cast<QComboBox*>(screen.portList)}) {
    const QString before = list->currentText();
    list->setFocus(Qt::TabFocusReason);
    for (const char* keys : {"wWsSeE", "93nN"}) {
      for (const char* key = keys; *key != '\0'; ++key) QTest::keyClick(QApplication::focusWidget(), *key);
    }
    EXPECT_EQ(list->currentText(), before) << QApplication::focusWidget()->metaObject()->className();
    EXPECT_EQ(list->lineEdit()->text(), before);
  }
}

// An open drop-down chooses nothing by a typed character either: Alt+Down,
// a character that begins another entry, then Enter leaves the entry as it
// was.
TEST_F(LocationScreenTest, AnOpenDropDownTakesNoTypedCharacter) {
  LocationScreen screen(nullptr);
  screen.show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&screen));
  const std::pair<QComboBox*, char> cases[] = {{screen.portList, '3'},
                                               {screen.longitudeHemisphereList, 'W'},
                                               {screen.latitudeHemisphereList, 'S'}};
  for (const auto& [list, key] : cases) {
    const QString before = list->currentText();
    list->setFocus(Qt::TabFocusReason);
    QTest::keyClick(list, Qt::Key_Down, Qt::AltModifier);
    ASSERT_TRUE(QTest::qWaitFor([&] { return list->view()->isVisible(); })) << key;
    QTest::keyClick(list->view(), key);
    QTest::keyClick(list->view(), Qt::Key_Return);
    EXPECT_FALSE(list->view()->isVisible()) << key;
    EXPECT_EQ(list->currentText(), before) << key;
  }
}

TEST_F(LocationScreenTest, PortEntriesNameTheirDevices) {
  vx::linkPort(2, "/dev/null");
  vx::linkPort(3, "/nonexistent/ttyUSB9");
  LocationScreen screen(nullptr);
  EXPECT_EQ(screen.portList->itemText(1), "2");  // the text the control receives
  EXPECT_EQ(screen.portList->itemData(1, Qt::ToolTipRole).toString(), "2: /dev/null (not a serial device)");
  EXPECT_EQ(screen.portList->itemData(2, Qt::ToolTipRole).toString(), "3: /nonexistent/ttyUSB9 (no device)");
  EXPECT_EQ(screen.portList->itemData(3, Qt::ToolTipRole).toString(), "4: /dev/ttyS3 (no device)");
}

// After the coordinates, Continue checks the time difference and offers the
// computer's own when the box holds another; the file keeps the user's entry.
TEST_F(LocationScreenTest, ContinueOffersTheComputersTimeDifference) {
  struct Case {
    const char* zone;
    const char* entered;
    bool answerYes;
    const char* question;  // "" when none is asked
    const char* handedOn;  // timeDifferenceEdit after Continue: the control's convention
  };
  const Case cases[] = {
      {"Asia/Kolkata", "5.5", false, "", "-5.5"},
      {"Asia/Kolkata", "5", false,
       "This computer's clock is 5.5 hours ahead of UTC (Asia/Kolkata), but the time difference entered is 5. "
       "Use 5.5?",
       "-5"},
      {"Asia/Kolkata", "5", true, "", "-5.5"},
      {"Asia/Kathmandu", "5.75", false, "", "-5.75"},
      // Within half an hour of the computer's difference is another difference still: 30 minutes off.
      {"Asia/Kolkata", "5.1", false,
       "This computer's clock is 5.5 hours ahead of UTC (Asia/Kolkata), but the time difference entered is 5.1. "
       "Use 5.5?",
       "-5.1"},
      {"Asia/Kolkata", "5.9", false,
       "This computer's clock is 5.5 hours ahead of UTC (Asia/Kolkata), but the time difference entered is 5.9. "
       "Use 5.5?",
       "-5.9"},
      {"Asia/Kathmandu", "5.5", false,
       "This computer's clock is 5.75 hours ahead of UTC (Asia/Kathmandu), but the time difference entered is 5.5. "
       "Use 5.75?",
       "-5.5"},
      {"NST+3:30", "-3", false,
       "This computer's clock is 3.5 hours behind UTC (NST+3:30), but the time difference entered is -3. "
       "Use -3.5?",
       "3"},
      // A zone of 5 hours 20 minutes: shown with two decimals, and that form is its own.
      {"XXX-5:20", "5", false,
       "This computer's clock is 5.33 hours ahead of UTC (XXX-5:20), but the time difference entered is 5. "
       "Use 5.33?",
       "-5"},
      {"XXX-5:20", "5", true, "", "-5.33"},
      {"XXX-5:20", "5.33", false, "", "-5.33"},
      {"Etc/GMT+5", "", true,
       "This computer's clock is 5 hours behind UTC (Etc/GMT+5), but the time difference entered is empty. Use -5?",
       "5"},
      {"Etc/GMT-1", "2", false,
       "This computer's clock is 1 hour ahead of UTC (Etc/GMT-1), but the time difference entered is 2. Use 1?", "-2"},
      {"UTC", "0", false, "", "0"},
  };
  vx::linkPort(1, "/nonexistent/tty");  // the monitor opens and is closed at once
  for (const Case& c : cases) {
    setComputerZone(c.zone);
    LocationScreen screen(nullptr);
    screen.latitudeEdit->setText("52.06");
    screen.longitudeEdit->setText("5.14");
    screen.timeDifferenceEdit->setText(c.entered);
    messages.asked.clear();
    messages.answerYes = c.answerYes;
    whenShown<MonitorScreen>([](MonitorScreen& monitor) { monitor.exitButton->click(); });
    screen.onContinueClicked();
    EXPECT_EQ(screen.timeDifferenceEdit->text(), c.handedOn) << c.zone << " " << c.entered;
    if (*c.question != '\0') {
      ASSERT_EQ(messages.asked.size(), 1u) << c.zone << " " << c.entered;
      EXPECT_EQ(messages.asked[0].text, c.question);
      EXPECT_EQ(messages.asked[0].icon, MessageIcon::kQuestion);
    } else if (!c.answerYes) {
      EXPECT_TRUE(messages.asked.empty()) << c.zone << " " << c.entered;
    }
  }
}

TEST_F(LocationScreenTest, ContinueWarnsAboutATimeDifferenceThatIsNoneAndAsksNothing) {
  for (const char* entered : {"99999", "nan", "-15", "14.5", "abc", "1e999"}) {
    LocationScreen screen(nullptr);
    screen.latitudeEdit->setText("52.06");
    screen.longitudeEdit->setText("5.14");
    screen.timeDifferenceEdit->setText(entered);
    messages.shown.clear();
    messages.asked.clear();
    screen.onContinueClicked();
    ASSERT_EQ(messages.shown.size(), 1u) << entered;
    EXPECT_EQ(messages.shown[0].text,
              "Please enter a valid time difference from UTC: hours east of Greenwich, from -14 to 14.");
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::kWarning);
    EXPECT_TRUE(messages.asked.empty());
    EXPECT_EQ(screen.timeDifferenceEdit->text(), entered);
    EXPECT_FALSE(screen.isUnloaded());
  }
  for (const char* entered : {"14", "-14", "-", ""}) EXPECT_TRUE(isValidTimeDifference(entered)) << entered;
}

TEST_F(LocationScreenTest, ContinueWarnsAboutTheFirstBadCoordinateAndChangesNothing) {
  struct Case {
    const char* lat;
    const char* lon;
    const char* warning;
  };
  const Case cases[] = {
      {"", "", "Please enter a valid number for latitude."},
      {"90.5", "5", "Please enter a valid number for latitude."},
      {"37.8", "", "Please enter a valid number for Longitude."},
      {"0.18", "180.5", "Please enter a valid number for Longitude."},
  };
  for (const Case& c : cases) {
    LocationScreen screen(nullptr);
    screen.latitudeEdit->setText(c.lat);
    screen.longitudeEdit->setText(c.lon);
    screen.timeDifferenceEdit->setText("10");
    messages.shown.clear();
    screen.onContinueClicked();
    ASSERT_EQ(messages.shown.size(), 1u) << c.lat << " " << c.lon;
    EXPECT_EQ(messages.shown[0].text, c.warning);
    EXPECT_EQ(messages.shown[0].title, "Kestrune");
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::kWarning);
    EXPECT_EQ(screen.timeDifferenceEdit->text(), "10");
  }
}

TEST_F(LocationScreenTest, ExitUnloadsWithoutWritingTheSettingsFile) {
  for (const auto& leave :
       {std::function<void(LocationScreen&)>([](LocationScreen& s) { s.exitButton->click(); }),
        std::function<void(LocationScreen&)>([](LocationScreen& s) { QTest::keyClick(&s, Qt::Key_Escape); }),
        std::function<void(LocationScreen&)>([](LocationScreen& s) { s.close(); })}) {
    LocationScreen screen(nullptr);
    screen.show();
    leave(screen);
    EXPECT_TRUE(screen.isUnloaded());
    EXPECT_FALSE(screen.isVisible());
  }
  EXPECT_EQ(settings(), std::nullopt);
}

}  // namespace
}  // namespace kestrune::test
