// SPDX-License-Identifier: MIT
#include "app/monitor_screen.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QStringList>
#include <QTimer>
#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>

#include "app/about_box.h"
#include "app/announcer.h"
#include "app/captioned_value.h"
#include "app/error_report.h"
#include "app/location_rules.h"
#include "app/location_screen.h"
#include "app/message_boxes.h"
#include "app/satellite_bars.h"
#include "app/tick_box.h"
#include "common/number_text.h"
#include "common/printable_text.h"
#include "common/rounding.h"
#include "control/error/vx_error.h"
#include "control/host/comm_events.h"
#include "control/host/control_loader.h"
#include "control/host/late_bound.h"
#include "control/host/qt_translator.h"
#include "gpsd/gpsd_loan.h"
#include "serial/port_link.h"
#include "settings/ini_strings.h"
#include "settings/settings_file.h"
#include "settings/settings_keys.h"

namespace kestrune {
namespace {

constexpr const char* kLoadModule = "frmConnect!Form_Load";
constexpr const char* kSentenceModule = "vxcomm1_OnComm";
constexpr const char* kExitModule = "cmdExit_click";

constexpr int kRowHeightTwips = 255;

constexpr const char* kAutoExitAtRest = QT_TRANSLATE_NOOP("kestrune::MonitorScreen", "Auto exit on a fix");
constexpr const char* kAutoExitNotCounting = QT_TRANSLATE_NOOP("kestrune::MonitorScreen", "Auto exit on fix");
constexpr int kValidFixesBeforeExit = 30;
constexpr const char* kSilentStatus = QT_TRANSLATE_NOOP("kestrune::MonitorScreen", "Waiting for the receiver...");

QString silenceHintText() {
  return MonitorScreen::tr("Nothing from the receiver for %1 seconds. Is it switched on, are its batteries charged, "
                           "is this the right port, and is no other program (gpsd, say) reading it?")
      .arg(MonitorScreen::kSilenceLimit.count());
}

// The device a lost line had open: the control's description of the loss
// begins with it ("/dev/pts/3: Input/output error").
QString lostDevice(const QString& description) { return description.section(": ", 0, 0); }

// The check box value a stored AutoExit stands for: its leading number to
// the nearest whole, halves to even; anything but 0, 1 or 2 reads as 0, so
// that a damaged file never stops the screen from connecting.
int storedAutoExit(const QString& text) {
  const double value = vx::roundHalfToEven(vx::leadingNumber(text.toStdString()));
  return value == 1 ? 1 : value == 2 ? 2 : 0;
}

QString connectionFailureText(const QString& port, const ErrorReport& report) {
  return MonitorScreen::tr("Unable to connect to Earthmate on port number %1 is not correct!\r\n\r\nCheck the cable "
                           "and the port number. Also make sure another program is not using port number %1.")
             .arg(port) +
         "\r\n\r\n" + errorDetails(report);
}

// Each step of closing is attempted on its own; a failure of one is ignored.
template <typename Step>
void attempt(Step step) {
  try {
    step();
  } catch (const std::exception&) {
  }
}

}  // namespace

MonitorScreen::MonitorScreen(LocationScreen* location)
    : Screen(location),
      satelliteBars(new SatelliteBars(this)),
      location_(location),
      silence_(new QTimer(this)),
      notes_(new QLabel(this)),
      announcer_(new Announcer(this)) {
  // Each row: a caption label at the left, the value label beside it, empty until data arrives.
  struct Row {
    QLabel*& caption;
    QLabel*& value;
    int top;
    const char* text;
  };
  for (const Row& row :
       {Row{statusCaption, statusValue, 120, QT_TR_NOOP("Status: ")},
        Row{dateCaption, dateValue, 435, QT_TR_NOOP("UTC Date:")},
        Row{timeCaption, timeValue, 765, QT_TR_NOOP("UTC Time:")},
        Row{positionCaption, positionValue, 1080, QT_TR_NOOP("Co-ord:")},
        Row{qualityCaption, qualityValue, 1440, QT_TR_NOOP("Quality: ")},
        Row{satellitesCaption, satellitesValue, 1800, QT_TR_NOOP("Satellites:")},
        Row{precisionCaption, precisionValue, 2160, QT_TR_NOOP("Precision:")}}) {
    row.caption = place<QLabel>(120, row.top, 855, kRowHeightTwips, tr(row.text));
    row.value = place<CaptionedValue>(1200, row.top, 3495, kRowHeightTwips, row.caption);
    // What the receiver, the system and gpsd say is shown as it is, never as markup.
    row.caption->setTextFormat(Qt::PlainText);
    row.value->setTextFormat(Qt::PlainText);
    // A caption longer in another language reaches as far as its value.
    const int widest = row.value->x() - row.caption->x();
    row.caption->resize(std::clamp(row.caption->sizeHint().width(), row.caption->width(), widest),
                        row.caption->height());
  }
  autoExitBox = place<TickBox>(120, 2640, 3255, 255, tr(kAutoExitAtRest));
  exitButton = place<QPushButton>(3600, 2520, 1095, 375, tr("&Exit"));
  exitButton->setDefault(true);
  setCancelButton(exitButton);
  connect(exitButton, &QPushButton::clicked, this, &MonitorScreen::onExitClicked);
  statusValue->setWordWrap(true);
  statusValue->setAutoFillBackground(true);  // covers the rows below while it wraps
  silence_->setObjectName("silence");
  silence_->setSingleShot(true);
  silence_->setInterval(kSilenceLimit);
  connect(silence_, &QTimer::timeout, this, &MonitorScreen::showSilenceHint);
  notes_->setObjectName("notes");
  // The notes' own place, under the rows and the bars: the last values stay readable above them.
  notes_->setWordWrap(true);
  notes_->setTextFormat(Qt::PlainText);
  notes_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  const QRect captionColumn = statusCaption->geometry();
  satelliteBars->layout()->setContentsMargins(captionColumn.left(), 0, captionColumn.left(), captionColumn.top());
  layout()->addWidget(satelliteBars);
  notes_->setContentsMargins(captionColumn.left(), 0, captionColumn.left(), captionColumn.top());
  notes_->hide();
  layout()->addWidget(notes_);
  load();
}

MonitorScreen::~MonitorScreen() = default;

void MonitorScreen::load() {
  try {
    setStatus(tr("Idle"));
    checkGpsd();
    autoExitBox->setValue(storedAutoExit(readSetting(kSettingsFile, kSettingsSection, key::kAutoExit)));
    connectToReceiver();
  } catch (const vx::Error& error) {
    if (error.number() != vx::kPortCannotOpen) return showErrorReport(this, kLoadModule, error);
    messageBoxes().show(
        this, {MessageIcon::kError, errorTitle(), connectionFailureText(location_->enteredPort(), reportOf(error))});
  } catch (const std::exception& error) {
    showErrorReport(this, kLoadModule, error);
  }
}

void MonitorScreen::checkGpsd() {
  const QString device = QString::fromStdString(vx::portDevicePath(location_->enteredPort().toInt()));
  const auto report = [](const std::string& text) {
    std::fprintf(stderr, "kestrune: %s\n", vx::printableText(text).c_str());
  };
  vx::GpsdCheck gpsd = vx::checkGpsd(device.toStdString(), report, -1, vx::qtTranslator());
  gpsdNotice_ = QString::fromStdString(gpsd.notice);
  gpsdLoan_ = std::move(gpsd.loan);
  if (gpsdLoan_) gpsdLoan_->closeFirst([this] { closePort(); });
  showNotes();
}

void MonitorScreen::connectToReceiver() {
  std::unique_ptr<QWidget> created = vx::createControl("vx.vxcomm");
  created->setParent(this);
  gpsControl = created.release();  // a child of the screen from here
  gpsControl->setObjectName("vxcomm1");
  control_ = std::make_unique<vx::LateBound>(gpsControl);
  connect(gpsControl, SIGNAL(OnComm()), this, SLOT(onSentenceWaiting()));
  connect(gpsControl, SIGNAL(CommError(short, QString)), this, SLOT(onReceiverLost(short, QString)));

  vx::LateBound& control = *control_;
  // Four characters of each coordinate reach the control: 37.8136 as "37.8".
  control.put("Latitude", location_->enteredLatitude().left(4));
  control.put("LatHemisphere", location_->enteredLatitudeHemisphere());
  control.put("Longitude", location_->enteredLongitude().left(4));
  control.put("LongHemisphere", location_->enteredLongitudeHemisphere());
  control.put("CommPort", location_->enteredPort());
  control.put("TimeZone", location_->enteredTimeDifference());
  control.put("SatellitesInView", true);  // the "$GPGSV" group behind each "$GPGSA", for the bars

  if (switchOnLinesAndPort(control)) setStatus(tr("Attempting to connect to the GPS..."));
  silence_->start();
}

bool MonitorScreen::switchOnLinesAndPort(vx::LateBound& control) {
  int switchedOn = 0;
  if (!control.get("DTREnable").toBool()) {
    switchedOn = 1;
    control.put("DTREnable", true);
  }
  if (!control.get("RTSEnable").toBool()) {
    ++switchedOn;
    control.put("RTSEnable", true);
  }
  if (control.get("PortOpen").toInt() == 0) {
    ++switchedOn;
    control.put("PortOpen", -1);
  }
  return switchedOn == 3;
}

void MonitorScreen::onSentenceWaiting() {
  if (isUnloaded() || !control_) return;
  const QPointer<MonitorScreen> alive(this);
  try {
    // Every sentence waiting, not one per event: with the satellites in view
    // a second of the receiver brings more sentences than events, and the
    // screen would fall ever further behind.
    QString sentence = control_->get("Idata").toString();
    while (showSentence(sentence, alive) && !(sentence = control_->get("Idata").toString()).isEmpty()) {
    }
  } catch (const std::exception& error) {
    if (!alive.isNull()) showErrorReport(this, kSentenceModule, error);
  }
}

bool MonitorScreen::showSentence(const QString& sentence, const QPointer<MonitorScreen>& alive) {
  // A lost line stays lost: a sentence the control still held when the
  // line went is shown, but says nothing of the line.
  if (!lost_ && !sentence.isEmpty()) {
    hideSilenceHint();
    silence_->start();
  }
  if (!lost_ && !silent_) setStatus(tr("Receiving data..."));
  // A sentence the reader refuses (damaged, or another kind) changes nothing but the status.
  const std::string text = sentence.toStdString();
  const QString quality = qualityValue->text();
  if (const auto position = vx::readPositionSentence(text); position && showPosition(*position)) return false;
  if (qualityValue->text() != quality) announceQuality();
  if (const auto precision = vx::readPrecisionSentence(text)) showPrecision(*precision);
  if (const auto satellites = vx::readSatellitesSentence(text)) collectSatellites(*satellites);

  QCoreApplication::processEvents();
  // Events that ran here may have closed the screen, or destroyed it.
  if (alive.isNull() || isUnloaded()) return false;
  if (autoExitBox->value() == 0) {
    autoExitCount_ = 0;
    autoExitBox->setText(tr(kAutoExitAtRest));
  }
  return true;
}

bool MonitorScreen::showPosition(const vx::PositionReading& reading) {
  lastStatus_ = reading.valid ? "A" : "V";
  lastLat_ = coordinateText(reading.latitude);
  lastLatHem_ = hemisphereText(reading.latitude, "N", "S");
  lastLong_ = coordinateText(reading.longitude);
  lastLongHem_ = hemisphereText(reading.longitude, "E", "W");

  timeValue->setText(clockText(reading.utc));
  dateValue->setText(dateText(reading.utc));
  positionValue->setText(lastLat_ + " " + lastLatHem_ + ", " + lastLong_ + " " + lastLongHem_);
  if (reading.valid) {
    qualityValue->setText(tr("Acceptable"));
    if (lost_) return false;  // no countdown: nothing will follow this fix
    if (autoExitBox->value() == 1) {
      ++autoExitCount_;
      if (autoExitCount_ > kValidFixesBeforeExit) {
        onExitClicked();
        return true;
      }
      autoExitBox->setText(tr("Auto exiting in... %n seconds.", nullptr, kValidFixesBeforeExit - autoExitCount_));
    } else {
      autoExitCount_ = 0;
      autoExitBox->setText(tr(kAutoExitNotCounting));
    }
  } else {
    qualityValue->setText(tr("Warning, attempting to obtain a fix!"));
  }
  return false;
}

void MonitorScreen::showPrecision(const vx::PrecisionReading& reading) {
  // The position dilution as the control writes it: two decimals.
  precisionValue->setText(QString::number(reading.dilutions.position, 'f', 2));
  // "$GPGSA" lists the satellites used in the fix, not all those in view.
  satellitesValue->setText(tr("%n used in the fix", nullptr, static_cast<int>(reading.used.size())));
  satelliteBars->setUsed(QList<int>(reading.used.begin(), reading.used.end()));
}

void MonitorScreen::collectSatellites(const vx::SatellitesReading& reading) {
  if (reading.sentence == 1) {
    arrivingSatellites_.clear();
    nextSatellitesSentence_ = 1;
  }
  if (reading.sentence != nextSatellitesSentence_) {
    nextSatellitesSentence_ = 0;  // wait for the next group's first
    return;
  }
  for (const vx::SatelliteInView& satellite : reading.satellites) {
    arrivingSatellites_ << SatelliteSignal{satellite.satellite, satellite.signal};
  }
  ++nextSatellitesSentence_;
  if (reading.sentence < reading.sentences) return;
  satelliteBars->setSatellites(arrivingSatellites_);
  nextSatellitesSentence_ = 0;
}

void MonitorScreen::stopCountdown() {
  autoExitCount_ = 0;
  autoExitBox->setText(tr(kAutoExitAtRest));
}

void MonitorScreen::onExitClicked() {
  try {
    if (lastStatus_ == "A") writeSettings();
    unload();
  } catch (const std::exception& error) {
    showErrorReport(this, kExitModule, error);
  }
}

void MonitorScreen::writeSettings() {
  // Each key is its own write. The first that fails is told once, with the system's reason: a fix lost
  // without a word would look saved.
  int failure = 0;
  const auto write = [&failure](const char* key, const QString& value) {
    if (writeIniString(kSettingsSection, key, value.toLatin1().constData(), kSettingsFile) == 0 &&
        failure == 0)
      failure = errno;
  };
  write(key::kLat, lastLat_);
  write(key::kLong, lastLong_);
  write(key::kLatHem, lastLatHem_);
  write(key::kLongHem, lastLongHem_);
  // timeDifferenceEdit holds the control's convention now; the file keeps the user's own entry as typed.
  write(key::kTZ, location_->usersTimeDifference());
  write(key::kComPort, location_->enteredPort());
  write(key::kAutoExit, autoExitBox->value() == 0 ? "0" : "1");
  if (failure == 0) return;
  if (const QString warning = settingsNotSavedWarning(failure); !warning.isEmpty())
    messageBoxes().show(this, {MessageIcon::kWarning, kProgramTitle, warning});
}

void MonitorScreen::onUnload() {
  silence_->stop();  // a closed screen has nothing to hint
  closePort();
  gpsdLoan_.reset();  // the port is closed: gpsd has its device again
}

void MonitorScreen::closePort() {
  if (!control_) return;
  vx::LateBound& control = *control_;
  attempt([&] {
    if (control.get("PortOpen").toInt() == -1) control.put("PortOpen", 0);
  });
  attempt([&] {
    if (control.get("RTSEnable").toBool()) control.put("RTSEnable", false);
  });
  attempt([&] {
    if (control.get("DTREnable").toBool()) control.put("DTREnable", false);
  });
}

void MonitorScreen::onReceiverLost(short event, const QString& description) {
  // The control closed the port: no sentence follows. The last fix stays on
  // the labels and Exit still remembers it; only the countdown ends.
  lost_ = true;
  silence_->stop();
  hideSilenceHint();
  stopCountdown();
  setStatus(event == vx::kComEventDeviceLost ? tr("Receiver lost: %1 went away").arg(lostDevice(description))
                                             : tr("Receiver lost: %1").arg(description));
}

void MonitorScreen::showSilenceHint() {
  if (lost_) return;
  stopCountdown();
  setStatus(tr(kSilentStatus));
  silent_ = true;
  showNotes();
}

void MonitorScreen::hideSilenceHint() {
  silent_ = false;
  showNotes();
}

void MonitorScreen::showNotes() {
  QStringList notes;
  if (!gpsdNotice_.isEmpty()) notes << gpsdNotice_;
  if (silent_) notes << silenceHintText();
  notes_->setVisible(!notes.isEmpty());
  if (notes.isEmpty()) return;
  notes_->setText(notes.join("\n\n"));
  const int width = clientArea()->width();
  notes_->setFixedSize(width, notes_->heightForWidth(width));
}

void MonitorScreen::setStatus(const QString& text) {
  // Said again with every sentence: only a new text is announced and needs the row laid out anew.
  const bool changed = text != statusValue->text();
  if (!changed && !text.isEmpty()) return;
  if (changed) announce(text);
  statusValue->setText(text);
  const int rowHeight = vx::fromTwips(0, 0, 0, kRowHeightTwips).height();
  statusValue->resize(statusValue->width(), std::max(rowHeight, statusValue->heightForWidth(statusValue->width())));
  statusValue->raise();
}

void MonitorScreen::announce(const QString& text) {
  if (isVisible()) announcer_->announce(text);
}

// "Quality: Acceptable, Co-ord: 52.062600 N, 5.138500 E": the fix and where.
void MonitorScreen::announceQuality() {
  announce(captionedText(qualityCaption, qualityValue) + ", " + captionedText(positionCaption, positionValue));
}

void MonitorScreen::showAboutBox() { showAbout(this, screenAboutText()); }

}  // namespace kestrune
