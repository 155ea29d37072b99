// SPDX-License-Identifier: MIT
// The connection and fix monitor screen, with the real control on a
// pseudo-terminal linked as port 1; sentences are fed through the
// control's addmsg and OnComm, or as receiver messages on the line.
#include "app/monitor_screen.h"

#include <QAccessible>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <cmath>
#include <filesystem>

#include "app/location_screen.h"
#include "app/satellite_bar.h"
#include "app/satellite_bars.h"
#include "app/tick_box.h"
#include "control/core/nmea_sentences.h"
#include "control/host/control_loader.h"
#include "control/host/late_bound.h"
#include "serial/port_link.h"
#include "tests/app/app_fixture.h"
#include "tests/support/captures.h"
#include "tests/support/pty_receiver.h"
#include "tests/support/receiver_bytes.h"
#include "tools/messages/receiver_messages.h"

namespace kestrune::test {
namespace {

// A whole sentence, its checksum added, from its body.
QString nmea(const QString& body) { return QString::fromStdString(vx::finishSentence(body.toStdString())); }
QString rmc(const char* status, const char* lat = "3348.1234") {
  return nmea(QString("GPRMC,123456,%1,%2,S,15112.3456,E,00.00,000.0,251299,,").arg(status, lat));
}
const QString kGsa = nmea("GPGSA,A,3,01,02,03,04,05,,,,,,,,1.80,1.00,1.50");

class MonitorScreenTest : public AppTest {
 protected:
  MonitorScreenTest() {
    vx::linkPort(1, receiver.devicePath());
    location.latitudeEdit->setText("37.8136");
    location.longitudeEdit->setText("144.67");
    location.latitudeHemisphereList->setCurrentIndex(1);  // S
    location.timeDifferenceEdit->setText("10");
    location.handOnTimeDifference();  // as Continue does: the box holds -10 now
  }

  std::unique_ptr<MonitorScreen> open(const std::string& autoExit = "0") {
    writeSettings("[Settings]\nAutoExit=" + autoExit + "\n");
    return std::make_unique<MonitorScreen>(&location);
  }
  static QVariant get(MonitorScreen& monitor, const char* name) { return vx::LateBound(monitor.gpsControl).get(name); }
  // One sentence through the control's queue and its OnComm event.
  static void feed(MonitorScreen& monitor, const QString& sentence) {
    vx::LateBound(monitor.gpsControl).call("addmsg", {sentence});
    QMetaObject::invokeMethod(monitor.gpsControl, "OnComm");
  }

  // What the bars say to a screen reader, in their order: their names in the accessibility tree.
  static QStringList barTexts(MonitorScreen& monitor) {
    QStringList texts;
    for (SatelliteBar* bar : monitor.satelliteBars->shownBars()) {
      const QAccessibleInterface* read = QAccessible::queryAccessibleInterface(bar);
      texts << (read->role() == QAccessible::StaticText ? read->text(QAccessible::Name) : "not read as a text");
    }
    return texts;
  }

  vx::test::PtyReceiver receiver;
  LocationScreen location{nullptr};
};

TEST_F(MonitorScreenTest, LoadHandsTheEntriesToTheControlAndOpensThePort) {
  auto monitor = open();
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_EQ(monitor->clientArea()->size(), QSize(325, 205));
  EXPECT_EQ(monitor->positionValue->geometry(), QRect(80, 72, 233, 17));
  EXPECT_EQ(get(*monitor, "Latitude").toString(), "37.8");  // four characters
  EXPECT_EQ(get(*monitor, "LatHemisphere").toString(), "S");
  EXPECT_EQ(get(*monitor, "Longitude").toString(), "144");  // "144." as a number
  EXPECT_EQ(get(*monitor, "TimeZone").toInt(), -10);
  EXPECT_TRUE(get(*monitor, "SatellitesInView").toBool());
  EXPECT_EQ(get(*monitor, "PortOpen").toInt(), -1);
  EXPECT_EQ(monitor->statusValue->text(), "Attempting to connect to the GPS...");
  EXPECT_EQ(monitor->autoExitBox->text(), "Auto exit on a fix");
  monitor->close();  // the close box: port and lines off, nothing written
  EXPECT_EQ(get(*monitor, "PortOpen").toInt(), 0);
  EXPECT_FALSE(get(*monitor, "RTSEnable").toBool());
  EXPECT_FALSE(get(*monitor, "DTREnable").toBool());
  EXPECT_EQ(settings(), "[Settings]\nAutoExit=0\n");
}

// Only a load that switched all three on says it is connecting: with a line
// already on, the status stays "Idle" until the first sentence.
TEST_F(MonitorScreenTest, ConnectingIsSaidOnlyWhenAllThreeWereOff) {
  for (const char* alreadyOn : {"", "DTREnable", "RTSEnable"}) {
    std::unique_ptr<QWidget> control(vx::createControl("vx.vxcomm"));
    vx::LateBound byName(control.get());
    byName.put("CommPort", 1);
    if (*alreadyOn != '\0') byName.put(alreadyOn, true);
    EXPECT_EQ(MonitorScreen::switchOnLinesAndPort(byName), *alreadyOn == '\0') << alreadyOn;
    EXPECT_TRUE(byName.get("DTREnable").toBool() && byName.get("RTSEnable").toBool());
    EXPECT_EQ(byName.get("PortOpen").toInt(), -1);
  }
}

// A receiver that goes away is shown by the device that was open, though
// its port link went with it (as the simulator's does when it ends); the
// last fix stays and Exit keeps it.
TEST_F(MonitorScreenTest, ALostReceiverIsShownAndItsLastFixKept) {
  auto monitor = open("1");
  feed(*monitor, rmc("A"));
  ASSERT_EQ(monitor->autoExitBox->text(), "Auto exiting in... 29 seconds.");
  std::filesystem::remove(vx::portLinkPath(1));
  receiver.hangUp();
  const QString lost = "Receiver lost: " + QString::fromStdString(receiver.devicePath()) + " went away";
  ASSERT_TRUE(vx::test::waitUntil([&] { return monitor->statusValue->text() == lost; }));
  EXPECT_EQ(monitor->positionValue->text(), "33.802057 S, 151.205760 E");
  EXPECT_EQ(monitor->autoExitBox->text(), "Auto exit on a fix");
  EXPECT_EQ(monitor->autoExitCount(), 0);
  EXPECT_EQ(get(*monitor, "PortOpen").toInt(), 0);
  monitor->exitButton->click();
  EXPECT_TRUE(monitor->isUnloaded());
  EXPECT_NE(settings()->find("Lat=33.802057\n"), std::string::npos);
}

// What reaches the labels comes from outside (gpsd's device paths, the
// system's error texts, the receiver's fields): shown as it is, never as markup.
TEST_F(MonitorScreenTest, EveryLabelShowsItsTextAsPlainText) {
  auto monitor = open("1");
  for (const QLabel* label : monitor->findChildren<QLabel*>()) {
    EXPECT_EQ(label->textFormat(), Qt::PlainText) << label->text().toStdString();
  }
  monitor->exitButton->click();
}

// A sentence the control still held when the line went is shown, but the
// line stays lost and nothing counts down.
TEST_F(MonitorScreenTest, ASentenceQueuedBeforeTheLossLeavesTheReceiverLost) {
  auto monitor = open("1");
  feed(*monitor, rmc("A"));
  vx::LateBound(monitor->gpsControl).call("addmsg", {rmc("A", "5206.0000")});  // waiting, no OnComm yet
  receiver.hangUp();
  ASSERT_TRUE(vx::test::waitUntil([&] { return monitor->positionValue->text().startsWith("52.100000"); }));
  EXPECT_EQ(monitor->statusValue->text(),
            "Receiver lost: " + QString::fromStdString(receiver.devicePath()) + " went away");
  EXPECT_EQ(monitor->autoExitBox->text(), "Auto exit on a fix");
  EXPECT_EQ(monitor->autoExitCount(), 0);
}

// A receiver that goes quiet after sending (flat batteries) gets a hint
// naming the likely causes, in a place of its own below the rows: the last
// values stay readable, and the countdown no longer promises an exit. The
// next sentence takes the hint away.
TEST_F(MonitorScreenTest, ASilentReceiverGetsAHintThatLeavesTheLastValuesReadable) {
  auto monitor = open("1");
  monitor->show();
  feed(*monitor, rmc("A"));
  feed(*monitor, kGsa);
  ASSERT_EQ(monitor->autoExitBox->text(), "Auto exiting in... 29 seconds.");
  auto* silence = monitor->findChild<QTimer*>("silence");
  ASSERT_NE(silence, nullptr);
  EXPECT_EQ(silence->intervalAsDuration(), MonitorScreen::kSilenceLimit);
  ASSERT_TRUE(silence->isActive());
  silence->start(20);  // not ten seconds in a test
  auto* hint = monitor->findChild<QLabel*>("notes");
  ASSERT_NE(hint, nullptr);
  ASSERT_TRUE(vx::test::waitUntil([&] { return hint->isVisible(); }));
  EXPECT_EQ(hint->text(),
            "Nothing from the receiver for 10 seconds. Is it switched on, are its batteries charged, is this the "
            "right port, and is no other program (gpsd, say) reading it?");
  EXPECT_EQ(monitor->statusValue->text(), "Waiting for the receiver...");
  EXPECT_EQ(monitor->autoExitBox->text(), "Auto exit on a fix");
  EXPECT_EQ(monitor->autoExitCount(), 0);
  // Nothing covers a value: the status keeps its row, the hint its own place.
  const QRect hintArea(hint->mapTo(monitor.get(), QPoint(0, 0)), hint->size());
  for (QLabel* value : {monitor->dateValue, monitor->timeValue, monitor->positionValue, monitor->qualityValue,
                        monitor->satellitesValue, monitor->precisionValue}) {
    EXPECT_FALSE(monitor->statusValue->geometry().intersects(value->geometry())) << value->text().toStdString();
    EXPECT_FALSE(hintArea.intersects(QRect(value->mapTo(monitor.get(), QPoint(0, 0)), value->size())));
  }
  EXPECT_GE(hint->height(), hint->heightForWidth(hint->width()));  // all of it, not cut
  EXPECT_EQ(monitor->clientArea()->size(), QSize(325, 205));

  feed(*monitor, kGsa);
  EXPECT_EQ(monitor->statusValue->text(), "Receiving data...");
  EXPECT_FALSE(hint->isVisible());
  EXPECT_TRUE(silence->isActive());  // watching again
  feed(*monitor, rmc("A"));
  EXPECT_EQ(monitor->autoExitBox->text(), "Auto exiting in... 29 seconds.");  // counting anew
}

// The bars follow each second's "$GPGSV" group and "$GPGSA" sentence: one
// per satellite in the receiver's order, filled where the fix uses it; the
// row counts what "$GPGSA" lists, the satellites used.
TEST_F(MonitorScreenTest, BarsShowTheTrackedSatellitesAndWhichTheFixUses) {
  auto monitor = open();
  for (const QString& sentence : {nmea("GPGSA,A,3,14,05,,,,,,,,,,,2.10,1.50,1.47"),
                               nmea("GPGSV,2,1,05,14,,,45,05,,,50,18,,,33,02,,,"), nmea("GPGSV,2,2,05,01,,,24")})
    feed(*monitor, sentence);
  EXPECT_EQ(monitor->satellitesValue->text(), "2 used in the fix");
  EXPECT_EQ(monitor->satelliteBars->summary->text(), "Tracked: 5, used in the fix: 2");
  const QStringList texts = {"Satellite 14: 45 dB-Hz, used in the fix", "Satellite 5: 50 dB-Hz, used in the fix",
                             "Satellite 18: 33 dB-Hz, tracked", "Satellite 2: 0 dB-Hz, tracked",
                             "Satellite 1: 24 dB-Hz, tracked"};
  EXPECT_EQ(barTexts(*monitor), texts);
  // Filled and hollow: the middle of a used bar has the bar's colour, that of a tracked one not.
  const QList<SatelliteBar*> bars = monitor->satelliteBars->shownBars();
  const QColor colour = bars[0]->palette().color(QPalette::Highlight);
  const auto middle = [](SatelliteBar* bar) {
    const QImage image = bar->grab().toImage();
    return image.pixelColor(image.width() / 2, SatelliteBar::kFullScale - 5);
  };
  EXPECT_EQ(middle(bars[0]), colour);
  EXPECT_NE(middle(bars[2]), colour);

  feed(*monitor, nmea("GPGSV,2,2,05,09,,,50"));  // a group without its first sentence is not shown
  EXPECT_EQ(barTexts(*monitor), texts);
  feed(*monitor, nmea("GPGSA,A,3,18,,,,,,,,,,,,2.10,1.50,1.47"));
  feed(*monitor, nmea("GPGSV,1,1,02,18,,,34,14,,,46"));
  EXPECT_EQ(barTexts(*monitor), QStringList({"Satellite 18: 34 dB-Hz, used in the fix", "Satellite 14: 46 dB-Hz, tracked"}));
  EXPECT_EQ(monitor->satelliteBars->summary->text(), "Tracked: 2, used in the fix: 1");
  EXPECT_EQ(monitor->clientArea()->size(), QSize(325, 205));
}

// A real receiver's seconds through the control: the bars show its
// channels, satellites and used flags as it reported them.
TEST_F(MonitorScreenTest, BarsShowARealReceiversChannels) {
  VX_LOAD_CAPTURE_OR_SKIP(recording, "fix-utrecht.bin");
  auto monitor = open();
  receiver.write("EARTHA\r\n" + recording + vx::test::kSync);  // the next sync byte ends the last message
  ASSERT_TRUE(vx::test::waitUntil([&] { return monitor->timeValue->text() == "20:42:39"; }, std::chrono::seconds(10))) << monitor->timeValue->text().toStdString();
  // The last second's "$GPGSA" and "$GPGSV" come behind its "$GPRMC".
  const QString summary = "Tracked: 11, used in the fix: 8";
  ASSERT_TRUE(vx::test::waitUntil([&] { return monitor->satelliteBars->summary->text() == summary; }))
      << monitor->satelliteBars->summary->text().toStdString();
  struct Expected {
    int satellite;
    bool used;
    int weakest, strongest;  // dB-Hz over the recording
  };
  const Expected channels[] = {{1, false, 0, 24},  {5, true, 50, 50},   {4, true, 44, 45},  {14, true, 44, 45},
                               {2, false, 0, 0},   {7, true, 39, 40},   {30, true, 46, 47}, {18, false, 33, 35},
                               {24, true, 35, 37}, {9, true, 50, 51},   {22, true, 41, 42}};
  const QList<SatelliteBar*> bars = monitor->satelliteBars->shownBars();
  ASSERT_EQ(bars.size(), std::size(channels)) << barTexts(*monitor).join("; ").toStdString();
  for (std::size_t i = 0; i < std::size(channels); ++i) {
    const SatelliteBar& bar = *bars[static_cast<qsizetype>(i)];
    EXPECT_EQ(bar.reading().satellite, channels[i].satellite) << i;
    EXPECT_EQ(bar.used(), channels[i].used) << i;
    EXPECT_GE(bar.reading().signal, channels[i].weakest) << i;
    EXPECT_LE(bar.reading().signal, channels[i].strongest) << i;
  }
  EXPECT_EQ(monitor->satellitesValue->text(), "8 used in the fix");
}

// The automatic exit ends the screen at once, even with its About box open.
TEST_F(MonitorScreenTest, AutomaticExitClosesAnOpenAboutBox) {
  auto monitor = open("1");
  setMessageBoxes(nullptr);    // a real About box, with a modal loop of its own
  QTimer::singleShot(0, [&] {  // runs inside that loop
    for (int fix = 1; fix <= 31 && !monitor->isUnloaded(); ++fix) feed(*monitor, rmc("A"));
  });
  bool leftOpen = false;
  QTimer guard;
  guard.setSingleShot(true);
  QObject::connect(&guard, &QTimer::timeout, [&] {
    leftOpen = true;
    if (QWidget* box = QApplication::activeModalWidget()) box->close();
  });
  guard.start(5000);
  monitor->show();
  monitor->findChild<QAction*>("aboutAction")->trigger();  // returns when the About box closes
  EXPECT_TRUE(monitor->isUnloaded());
  EXPECT_FALSE(leftOpen);
}

TEST_F(MonitorScreenTest, LoadFailuresAreReportedAndLeaveThePortClosed) {
  struct Case {
    const char* port;
    const char* timeZone;
    const char* text;
  };
  vx::linkPort(3, "/nonexistent/gps");
  const Case cases[] = {
      {"3", "-10",
       "Unable to connect to Earthmate on port number 3 is not correct!\r\n\r\nCheck the cable and the port number. "
       "Also make sure another program is not using port number 3.\r\n\r\nErr.Num: (8012), Err.Des: (cannot open "
       "/nonexistent/gps: No such file or directory) Err.Src: (MSComm1)"},
      {"x", "-10", "\"frmConnect!Form_Load\" module!\r\n\r\nErr.Num: (13), Err.Des: (Type mismatch)"},
      {"1", "1e999", "\"frmConnect!Form_Load\" module!\r\n\r\nErr.Num: (6), Err.Des: (Overflow)"},
  };
  for (const Case& c : cases) {
    location.portList->setEditText(c.port);
    location.timeDifferenceEdit->setText(c.timeZone);
    messages.shown.clear();
    auto monitor = open();
    ASSERT_EQ(messages.shown.size(), 1u) << c.port;
    EXPECT_EQ(messages.shown[0].title, "Application Error!");
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::kError);
    EXPECT_TRUE(messages.shown[0].text.contains(c.text)) << messages.shown[0].text.toStdString();
    EXPECT_EQ(monitor->statusValue->text(), "Idle");
    EXPECT_EQ(get(*monitor, "PortOpen").toInt(), 0);
  }
}

TEST_F(MonitorScreenTest, StoredAutoExitSetsTheBoxAndADamagedValueReadsAsUnticked) {
  const std::pair<const char*, int> cases[] = {{"1", 1}, {"2", 2}, {"1.5", 2}, {"0.5", 0},
                                               {"", 0},  {"3", 0}, {"-1", 0},  {"x", 0}};
  for (const auto& [stored, value] : cases) {
    auto monitor = open(stored);
    EXPECT_EQ(monitor->autoExitBox->value(), value) << stored;
    EXPECT_EQ(get(*monitor, "PortOpen").toInt(), -1) << stored;
    EXPECT_TRUE(messages.shown.empty()) << stored;
  }
}

TEST_F(MonitorScreenTest, SentencesFillTheLabels) {
  auto monitor = open();
  feed(*monitor, rmc("A"));
  EXPECT_EQ(monitor->statusValue->text(), "Receiving data...");
  EXPECT_EQ(monitor->timeValue->text(), "12:34:56");
  EXPECT_EQ(monitor->dateValue->text(), "2099-12-25");
  EXPECT_EQ(monitor->positionValue->text(), "33.802057 S, 151.205760 E");
  EXPECT_EQ(monitor->qualityValue->text(), "Acceptable");
  EXPECT_EQ(monitor->autoExitBox->text(), "Auto exit on a fix");  // unticked: "on fix", restored at the end
  feed(*monitor, kGsa);
  EXPECT_EQ(monitor->satellitesValue->text(), "5 used in the fix");
  EXPECT_EQ(monitor->precisionValue->text(), "1.80");
  feed(*monitor, rmc("V"));
  EXPECT_EQ(monitor->qualityValue->text(), "Warning, attempting to obtain a fix!");
  for (const char* ignored : {"$GPGGA,1,2", "$gprmc,123456,A", ""}) feed(*monitor, ignored);
  EXPECT_EQ(monitor->qualityValue->text(), "Warning, attempting to obtain a fix!");
  EXPECT_EQ(monitor->lastStatus(), "V");
  EXPECT_TRUE(messages.shown.empty());

  // Damaged sentences (a coordinate without its degrees, a wrong checksum) are not read: nothing changes.
  feed(*monitor, rmc("A", "48.1234"));
  feed(*monitor, QString(rmc("A")).replace("*", "0*"));
  EXPECT_EQ(monitor->qualityValue->text(), "Warning, attempting to obtain a fix!");
  EXPECT_EQ(monitor->lastStatus(), "V");
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(MonitorScreenTest, CountsThirtyValidFixesDownAndExitsAtTheThirtyFirst) {
  auto monitor = open("1");
  for (int fix = 1; fix <= 30; ++fix) {
    feed(*monitor, rmc("A"));
    feed(*monitor, fix % 2 ? rmc("V") : kGsa);  // neither advances nor resets the count
    EXPECT_EQ(monitor->autoExitBox->text(), QString("Auto exiting in... %1 seconds.").arg(30 - fix));
  }
  EXPECT_FALSE(monitor->isUnloaded());
  feed(*monitor, rmc("A"));
  EXPECT_TRUE(monitor->isUnloaded());
  EXPECT_EQ(get(*monitor, "PortOpen").toInt(), 0);
  EXPECT_EQ(settings(),
            "[Settings]\nAutoExit=1\nLat=33.802057\nLong=151.205760\nLatHem=S\nLongHem=E\nTZ=10\nComPort=1\n");
}

TEST_F(MonitorScreenTest, UntickingResetsTheCountAndGreyedNeverCounts) {
  auto monitor = open("1");
  for (int fix = 0; fix < 5; ++fix) feed(*monitor, rmc("A"));
  monitor->autoExitBox->click();
  feed(*monitor, kGsa);
  EXPECT_EQ(monitor->autoExitBox->text(), "Auto exit on a fix");
  EXPECT_EQ(monitor->autoExitCount(), 0);
  monitor->autoExitBox->click();
  feed(*monitor, rmc("A"));
  EXPECT_EQ(monitor->autoExitBox->text(), "Auto exiting in... 29 seconds.");
  monitor->close();

  auto greyed = open("2");
  for (int fix = 0; fix < 40; ++fix) feed(*greyed, rmc("A"));
  EXPECT_FALSE(greyed->isUnloaded());
  EXPECT_EQ(greyed->autoExitBox->text(), "Auto exit on fix");
  greyed->exitButton->click();
  // A click on a greyed box ticks it.
  TickBox box;
  box.setValue(2);
  box.click();
  EXPECT_EQ(box.value(), 1);
  EXPECT_TRUE(
      settings()->ends_with("AutoExit=1\nLat=33.802057\nLong=151.205760\nLatHem=S\nLongHem=E\nTZ=10\n"
                            "ComPort=1\n"));
}

// The file keeps the time difference as the user typed it, to be shown so
// at the next start; the control got it west of Greenwich positive.
TEST_F(MonitorScreenTest, ExitKeepsTheUsersOwnFormOfTheTimeDifference) {
  const std::pair<const char*, const char*> cases[] = {{"0.5", "0.5"}, {"-0.5", "-0.5"}, {"09", "09"}, {"", "0"}};
  for (const auto& [entered, kept] : cases) {
    location.timeDifferenceEdit->setText(entered);
    location.handOnTimeDifference();
    auto monitor = open();
    feed(*monitor, rmc("A"));
    monitor->exitButton->click();
    EXPECT_NE(settings()->find(std::string("\nTZ=") + kept + "\n"), std::string::npos) << entered << " " << *settings();
  }
}

TEST_F(MonitorScreenTest, ExitWritesOnlyWhenTheLastPositionWasValid) {
  for (const QStringList& sentences : {QStringList{}, QStringList{rmc("A"), rmc("V")}, QStringList{kGsa}}) {
    auto monitor = open();
    for (const QString& sentence : sentences) feed(*monitor, sentence);
    monitor->exitButton->click();
    EXPECT_TRUE(monitor->isUnloaded());
    EXPECT_EQ(settings(), "[Settings]\nAutoExit=0\n") << sentences.join(" ").toStdString();
  }
}

// The owner may destroy the screen the moment it closes: inside the
// sentence handler's yield, or inside the control's own OnComm. Nothing
// may be used after it is freed (AddressSanitizer watches).
TEST_F(MonitorScreenTest, ClosingDuringTheYieldLeavesTheOuterHandlerNothingToTouch) {
  MonitorScreen* monitor = open().release();
  QObject::connect(monitor, &QDialog::finished, [monitor] { delete monitor; });
  QPointer<MonitorScreen> watched(monitor);
  QMetaObject::invokeMethod(monitor, &MonitorScreen::onExitClicked, Qt::QueuedConnection);  // runs in the yield
  feed(*monitor, rmc("A"));
  EXPECT_TRUE(watched.isNull());
  EXPECT_NE(settings()->find("Lat=33.802057"), std::string::npos);
}

TEST_F(MonitorScreenTest, AutomaticExitFromInsideTheControlsOwnEvent) {
  MonitorScreen* monitor = open("1").release();
  QObject::connect(monitor, &QDialog::finished, [monitor] { delete monitor; });
  QPointer<MonitorScreen> watched(monitor);
  vx::ReceiverPosition fix;
  fix.latitude = static_cast<int32_t>(std::lround(52.06 * M_PI / 180 * 1e8));
  fix.longitude = static_cast<int32_t>(std::lround(5.14 * M_PI / 180 * 1e8));
  std::string line = "EARTHA\r\n";
  for (int second = 0; second < 32; ++second) line += vx::positionMessage(fix);
  receiver.write(line);
  EXPECT_TRUE(vx::test::waitUntil([&] { return watched.isNull(); }));
  EXPECT_NE(settings()->find("Lat=52.060000"), std::string::npos) << *settings();
}

}  // namespace
}  // namespace kestrune::test
