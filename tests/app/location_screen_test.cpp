// SPDX-License-Identifier: MIT
// The location entry screen: what it loads, what it lets the user type,
// and what Continue checks and hands on.
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "app_fixture.h"
#include "frm_confirm.h"
#include "frm_connect.h"
#include "location_rules.h"
#include "port_link.h"

namespace kestrune::test {
namespace {

using LocationScreen = AppTest;

TEST_F(LocationScreen, ShowsItsControlsWhereTheyBelong) {
  frmConfirm screen(nullptr);
  EXPECT_EQ(screen.windowTitle(), "Kestrune");
  EXPECT_EQ(screen.clientArea()->size(), QSize(325, 205));
  EXPECT_EQ(screen.txtLat->geometry(), QRect(160, 41, 65, 19));
  EXPECT_EQ(screen.comPort->geometry(), QRect(160, 134, 41, 21));
  EXPECT_EQ(screen.cmdExit->geometry(), QRect(240, 168, 73, 25));
  EXPECT_EQ(screen.txtLat->toolTip(), "Your latitude. Eg. 37.3567");
  EXPECT_EQ(screen.txtLong->toolTip(), "Your longitude. Eg. 144.67");
  EXPECT_TRUE(screen.cmdContinue->isDefault());
  // Tab walks the boxes and lists top to bottom, then the buttons, from txtLat on.
  screen.show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&screen));
  EXPECT_EQ(QApplication::focusWidget(), static_cast<QWidget*>(screen.txtLat));
  const QWidget* expected[] = {screen.comLat, screen.txtLong, screen.comLong, screen.txtTZ,
                               screen.comPort, screen.cmdContinue, screen.cmdExit, screen.txtLat};
  for (const QWidget* next : expected) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QWidget* focused = QApplication::focusWidget();
    if (auto* list = qobject_cast<QComboBox*>(focused->parentWidget())) focused = list;  // its edit field
    EXPECT_EQ(focused, next) << focused->metaObject()->className();
  }
}

TEST_F(LocationScreen, OpensCentredOnItsOwner) {
  QWidget owner;
  owner.setGeometry(100, 80, 600, 400);
  owner.show();
  frmConfirm screen(&owner);
  screen.show();
  EXPECT_LE((screen.frameGeometry().center() - owner.frameGeometry().center()).manhattanLength(), 1);
}

TEST_F(LocationScreen, LoadsTheRememberedSettings) {
  struct Case {
    const char* file;
    const char* lat;
    const char* tz;
    const char* lists;  // comLat, comLong, comPort
  };
  // Without a stored TZ, the box starts with the computer's own difference, hours east.
  setComputerZone("Asia/Kolkata");
  const Case cases[] = {
      {"", "", "5.5", "NE1"},  // first start: no file
      {"[Settings]\nLat= 33.802057 \nTZ=10\nLatHem=S\nLongHem=W\nComPort=3\n", "33.802057", "10", "SW3"},
      {"[Settings]\nLatHem=s\nLongHem=X\nComPort=03\n", "", "5.5", "NE1"},  // exact entries only
      {"[Settings]\nComPort=7\nTZ=-.5\n", "", "-.5", "NE1"},
  };
  for (const Case& c : cases) {
    writeSettings(c.file);
    frmConfirm screen(nullptr);
    EXPECT_EQ(screen.txtLat->text(), c.lat) << c.file;
    EXPECT_EQ(screen.txtTZ->text(), c.tz) << c.file;
    EXPECT_EQ(screen.comLat->currentText() + screen.comLong->currentText() + screen.comPort->currentText(), c.lists)
        << c.file;
    EXPECT_EQ(screen.comPort->count(), 4);
  }
}

TEST_F(LocationScreen, FiltersTypedCharactersButLetsPasteThrough) {
  frmConfirm screen(nullptr);
  const auto typeInto = [](QWidget* box, const QString& text) {
    for (QChar c : text) QTest::keyClick(box, c.toLatin1());
  };
  typeInto(screen.txtLat, "4a2.+5-");
  EXPECT_EQ(screen.txtLat->text(), "42.5");
  QTest::keyClick(screen.txtLat, Qt::Key_Backspace);
  EXPECT_EQ(screen.txtLat->text(), "42.");
  screen.txtTZ->clear();
  typeInto(screen.txtTZ, "-x9.5+");
  EXPECT_EQ(screen.txtTZ->text(), "-9.5");
  typeInto(screen.comPort->lineEdit(), "7a");
  EXPECT_EQ(screen.comPort->currentText(), "1");

  // Ctrl+V is a control character and discarded; Shift+Insert types none and pastes.
  screen.txtLong->clear();
  QApplication::clipboard()->setText("12ab");
  QTest::keyClick(screen.txtLong, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(screen.txtLong->text(), "");
  QTest::keyClick(screen.txtLong, Qt::Key_Insert, Qt::ShiftModifier);
  EXPECT_EQ(screen.txtLong->text(), "12ab");
}

// A list with the focus takes keys itself and hands them to its edit field
// directly: typing, wherever Tab leaves the focus, changes no list.
TEST_F(LocationScreen, ListsTakeNoTypedCharacterWhereverTheFocusIs) {
  frmConfirm screen(nullptr);
  screen.show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&screen));
  for (QComboBox* list : {screen.comLat, screen.comLong, static_cast<QComboBox*>(screen.comPort)}) {
    const QString before = list->currentText();
    list->setFocus(Qt::TabFocusReason);
    for (const char* keys : {"wWsSeE", "93nN"}) {
      for (const char* key = keys; *key != '\0'; ++key) QTest::keyClick(QApplication::focusWidget(), *key);
    }
    EXPECT_EQ(list->currentText(), before) << QApplication::focusWidget()->metaObject()->className();
    EXPECT_EQ(list->lineEdit()->text(), before);
  }
}

TEST_F(LocationScreen, PortEntriesNameTheirDevices) {
  vx::linkPort(2, "/dev/null");
  vx::linkPort(3, "/nonexistent/ttyUSB9");
  frmConfirm screen(nullptr);
  EXPECT_EQ(screen.comPort->itemText(1), "2");  // the text the control receives
  EXPECT_EQ(screen.comPort->itemData(1, Qt::ToolTipRole).toString(), "2: /dev/null (serial device)");
  EXPECT_EQ(screen.comPort->itemData(2, Qt::ToolTipRole).toString(), "3: /nonexistent/ttyUSB9 (no device)");
  EXPECT_EQ(screen.comPort->itemData(3, Qt::ToolTipRole).toString(), "4: /dev/ttyS3 (no device)");
}

// After the coordinates, Continue checks the time difference and offers the
// computer's own when the box holds another; the file keeps the user's entry.
TEST_F(LocationScreen, ContinueOffersTheComputersTimeDifference) {
  struct Case {
    const char* zone;
    const char* entered;
    bool answerYes;
    const char* question;  // "" when none is asked
    const char* handedOn;  // txtTZ after Continue: the control's convention
  };
  const Case cases[] = {
      {"Asia/Kolkata", "5.5", false, "", "-5.5"},
      {"Asia/Kolkata", "5", false,
       "This computer's clock is 5.5 hours ahead of UTC (Asia/Kolkata), but the time difference entered is 5. "
       "Use 5.5?", "-5"},
      {"Asia/Kolkata", "5", true, "", "-5.5"},
      {"Asia/Kathmandu", "5.75", false, "", "-5.75"},
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
    frmConfirm screen(nullptr);
    screen.txtLat->setText("52.06");
    screen.txtLong->setText("5.14");
    screen.txtTZ->setText(c.entered);
    messages.asked.clear();
    messages.answerYes = c.answerYes;
    whenShown<frmConnect>([](frmConnect& monitor) { monitor.cmdExit->click(); });
    screen.cmdContinue_Click();
    EXPECT_EQ(screen.txtTZ->text(), c.handedOn) << c.zone << " " << c.entered;
    if (*c.question != '\0') {
      ASSERT_EQ(messages.asked.size(), 1u) << c.zone << " " << c.entered;
      EXPECT_EQ(messages.asked[0].text, c.question);
      EXPECT_EQ(messages.asked[0].icon, MessageIcon::kQuestion);
    } else if (!c.answerYes) {
      EXPECT_TRUE(messages.asked.empty()) << c.zone << " " << c.entered;
    }
  }
}

TEST_F(LocationScreen, ContinueWarnsAboutATimeDifferenceThatIsNoneAndAsksNothing) {
  for (const char* entered : {"99999", "nan", "-15", "14.5", "abc", "1e999"}) {
    frmConfirm screen(nullptr);
    screen.txtLat->setText("52.06");
    screen.txtLong->setText("5.14");
    screen.txtTZ->setText(entered);
    messages.shown.clear();
    messages.asked.clear();
    screen.cmdContinue_Click();
    ASSERT_EQ(messages.shown.size(), 1u) << entered;
    EXPECT_EQ(messages.shown[0].text,
              "Please enter a valid time difference from UTC: hours east of Greenwich, from -14 to 14.");
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::kWarning);
    EXPECT_TRUE(messages.asked.empty());
    EXPECT_EQ(screen.txtTZ->text(), entered);
    EXPECT_FALSE(screen.isUnloaded());
  }
  for (const char* entered : {"14", "-14", "-", ""}) EXPECT_TRUE(isValidTimeDifference(entered)) << entered;
}

TEST_F(LocationScreen, ContinueWarnsAboutTheFirstBadCoordinateAndChangesNothing) {
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
    frmConfirm screen(nullptr);
    screen.txtLat->setText(c.lat);
    screen.txtLong->setText(c.lon);
    screen.txtTZ->setText("10");
    messages.shown.clear();
    screen.cmdContinue_Click();
    ASSERT_EQ(messages.shown.size(), 1u) << c.lat << " " << c.lon;
    EXPECT_EQ(messages.shown[0].text, c.warning);
    EXPECT_EQ(messages.shown[0].title, "Kestrune");
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::kWarning);
    EXPECT_EQ(screen.txtTZ->text(), "10");
  }
}

TEST_F(LocationScreen, ExitUnloadsWithoutWritingTheSettingsFile) {
  for (const auto& leave : {std::function<void(frmConfirm&)>([](frmConfirm& s) { s.cmdExit->click(); }),
                            std::function<void(frmConfirm&)>([](frmConfirm& s) { QTest::keyClick(&s, Qt::Key_Escape); }),
                            std::function<void(frmConfirm&)>([](frmConfirm& s) { s.close(); })}) {
    frmConfirm screen(nullptr);
    screen.show();
    leave(screen);
    EXPECT_TRUE(screen.isUnloaded());
    EXPECT_FALSE(screen.isVisible());
  }
  EXPECT_EQ(settings(), std::nullopt);
}

}  // namespace
}  // namespace kestrune::test
