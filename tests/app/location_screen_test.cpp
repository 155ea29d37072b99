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

TEST_F(LocationScreen, LoadsTheRememberedSettings) {
  struct Case {
    const char* file;
    const char* lat;
    const char* tz;
    const char* lists;  // comLat, comLong, comPort
  };
  const Case cases[] = {
      {"", "", "", "NE1"},  // first start: no file
      {"[Settings]\nLat= 33.802057 \nTZ=10\nLatHem=S\nLongHem=W\nComPort=3\n", "33.802057", "10", "SW3"},
      {"[Settings]\nLatHem=s\nLongHem=X\nComPort=03\n", "", "", "NE1"},  // exact entries only
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
