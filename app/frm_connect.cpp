// SPDX-License-Identifier: MIT
#include "frm_connect.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <cmath>

#include "about_box.h"
#include "control_loader.h"
#include "frm_confirm.h"
#include "global.h"
#include "late_bound.h"
#include "comm_events.h"
#include "location_rules.h"
#include "message_boxes.h"
#include "number_text.h"
#include "port_link.h"
#include "private_profile.h"
#include "sentence_items.h"
#include "settings_keys.h"
#include "tick_box.h"
#include "vx_error.h"

namespace kestrune {
namespace {

constexpr const char* kLoadModule = "frmConnect!Form_Load";
constexpr const char* kSentenceModule = "vxcomm1_OnComm";
constexpr const char* kExitModule = "cmdExit_click";

constexpr int kRowHeightTwips = 255;

constexpr const char* kAutoExitAtRest = "Auto exit on a fix";
constexpr const char* kAutoExitNotCounting = "Auto exit on fix";
constexpr int kValidFixesBeforeExit = 30;
constexpr const char* kSilenceHint =
    "Nothing from the receiver for 10 seconds. Is it switched on, are its batteries charged, is this "
    "the right port, and is no other program (gpsd, say) reading it?";

// The check box value a stored AutoExit stands for: its leading number to
// the nearest whole, halves to even; anything but 0, 1 or 2 reads as 0, so
// that a damaged file never stops the screen from connecting.
int storedAutoExit(const QString& text) {
  const double value = std::nearbyint(vx::leadingNumber(text.toStdString()));
  return value == 1 ? 1 : value == 2 ? 2 : 0;
}

QString connectionFailureText(const QString& port, const ErrorReport& report) {
  return "Unable to connect to Earthmate on port number " + port + " is not correct!\r\n\r\n" +
         "Check the cable and the port number. Also make sure another program is not using port number " + port +
         ".\r\n\r\n" + errorDetails(report);
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

frmConnect::frmConnect(frmConfirm* location) : Screen(location), location_(location), silence_(new QTimer(this)) {
  // Each row: a caption label at the left, the value label beside it, empty until data arrives.
  struct Row {
    QLabel*& caption;
    QLabel*& value;
    int top;
    const char* text;
  };
  for (const Row& row : {Row{Label1, labStatus, 120, "Status: "}, Row{Label4, labUTDate, 435, "UTC Date:"},
                         Row{Label3, labUTC, 765, "UTC Time:"}, Row{Label2, labCoord, 1080, "Co-ord:"},
                         Row{Label6, labQuality, 1440, "Quality: "}, Row{Label5, labSat, 1800, "Satellites:"},
                         Row{Label8, labPrec, 2160, "Precision:"}}) {
    row.caption = place<QLabel>(120, row.top, 855, kRowHeightTwips, row.text);
    row.value = place<QLabel>(1200, row.top, 3495, kRowHeightTwips);
  }
  chkExit = place<TickBox>(120, 2640, 3255, 255, kAutoExitAtRest);
  cmdExit = place<QPushButton>(3600, 2520, 1095, 375, "&Exit");
  cmdExit->setDefault(true);
  setCancelButton(cmdExit);
  connect(cmdExit, &QPushButton::clicked, this, &frmConnect::cmdExit_Click);
  labStatus->setWordWrap(true);
  labStatus->setAutoFillBackground(true);  // covers the rows below while it wraps
  silence_->setObjectName("silence");
  silence_->setSingleShot(true);
  silence_->setInterval(kSilenceHintMs);
  connect(silence_, &QTimer::timeout, this, &frmConnect::showSilenceHint);
  Form_Load();
}

frmConnect::~frmConnect() = default;

void frmConnect::Form_Load() {
  try {
    setStatus("Idle");
    chkExit->setValue(storedAutoExit(ReadSetting(kSettingsFile, kSettingsSection, key::kAutoExit)));
    connectToReceiver();
  } catch (const vx::Error& error) {
    if (error.number() != vx::kPortCannotOpen) return showErrorReport(this, kLoadModule, error);
    messageBoxes().show(this, {MessageIcon::kError, kErrorTitle,
                               connectionFailureText(location_->comPort->currentText(), reportOf(error))});
  } catch (const std::exception& error) {
    showErrorReport(this, kLoadModule, error);
  }
}

void frmConnect::connectToReceiver() {
  vxcomm1 = vx::createControl("vx.vxcomm", this);
  vxcomm1->setObjectName("vxcomm1");
  control_ = std::make_unique<vx::LateBound>(vxcomm1);
  connect(vxcomm1, SIGNAL(OnComm()), this, SLOT(vxcomm1_OnComm()));
  connect(vxcomm1, SIGNAL(CommError(short, QString)), this, SLOT(onReceiverLost(short, QString)));

  vx::LateBound& control = *control_;
  // Four characters of each coordinate reach the control: 37.8136 as "37.8".
  control.put("Latitude", location_->txtLat->text().left(4));
  control.put("LatHemisphere", location_->comLat->currentText());
  control.put("Longitude", location_->txtLong->text().left(4));
  control.put("LongHemisphere", location_->comLong->currentText());
  control.put("CommPort", location_->comPort->currentText());
  control.put("TimeZone", location_->txtTZ->text());

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
  if (switchedOn == 3) setStatus("Attempting to connect to the GPS...");
  silence_->start();
}

void frmConnect::vxcomm1_OnComm() {
  if (isUnloaded() || !control_) return;
  const QPointer<frmConnect> alive(this);
  try {
    QString sentence = control_->get("Idata").toString();
    const QString untouched = sentence;
    if (!sentence.isEmpty() && !lost_) silence_->start();
    setStatus("Receiving data...");
    if (sentence.left(6) == "$GPRMC" && showPositionSentence(sentence)) return;
    if (untouched.left(6) == "$GPGSA") showSatelliteSentence(sentence);

    QCoreApplication::processEvents();
    // Events that ran here may have closed the screen, or destroyed it.
    if (alive.isNull() || isUnloaded()) return;
    if (chkExit->value() == 0) {
      autoExitCount_ = 0;
      chkExit->setText(kAutoExitAtRest);
    }
  } catch (const std::exception& error) {
    if (!alive.isNull()) showErrorReport(this, kSentenceModule, error);
  }
}

bool frmConnect::showPositionSentence(QString& sentence) {
  StripNextItem(sentence, ",");  // "$GPRMC"
  const QString time = StripNextItem(sentence, ",");
  lastStatus_ = StripNextItem(sentence, ",");
  lastLat_ = decimalDegrees(StripNextItem(sentence, ","));
  lastLatHem_ = StripNextItem(sentence, ",");
  lastLong_ = decimalDegrees(StripNextItem(sentence, ","));
  lastLongHem_ = StripNextItem(sentence, ",");
  StripNextItem(sentence, ",");  // speed
  StripNextItem(sentence, ",");  // course
  const QString date = StripNextItem(sentence, ",");

  labUTC->setText(clockText(time));
  labUTDate->setText(dateText(date));
  labCoord->setText(lastLat_ + " " + lastLatHem_ + ", " + lastLong_ + " " + lastLongHem_);
  if (lastStatus_ == "A") {
    labQuality->setText("Acceptable");
    if (chkExit->value() == 1) {
      ++autoExitCount_;
      if (autoExitCount_ > kValidFixesBeforeExit) {
        cmdExit_Click();
        return true;
      }
      chkExit->setText(QString("Auto exiting in... %1 seconds.").arg(kValidFixesBeforeExit - autoExitCount_));
    } else {
      autoExitCount_ = 0;
      chkExit->setText(kAutoExitNotCounting);
    }
  } else if (lastStatus_ == "V") {
    labQuality->setText("Warning, attempting to obtain a fix!");
  }
  return false;
}

void frmConnect::showSatelliteSentence(QString sentence) {
  StripNextItem(sentence, ",");  // "$GPGSA"
  StripNextItem(sentence, ",");  // selection mode
  StripNextItem(sentence, ",");  // fix mode: this control always writes 3, so it is not shown
  int satellites = 0;
  for (int field = 4; field <= 15; ++field) {
    if (!StripNextItem(sentence, ",").isEmpty()) ++satellites;
  }
  labPrec->setText(StripNextItem(sentence, ","));
  labSat->setText(QString::number(satellites) + " in view");
}

void frmConnect::cmdExit_Click() {
  try {
    if (lastStatus_ == "A") writeSettings();
    unload();
  } catch (const std::exception& error) {
    showErrorReport(this, kExitModule, error);
  }
}

void frmConnect::writeSettings() {
  // Each key is its own write; a failed write goes unnoticed, as the file's readers expect defaults then.
  const auto write = [](const char* key, const QString& value) {
    WritePrivateProfileStringA(kSettingsSection, key, value.toLatin1().constData(), kSettingsFile);
  };
  write(key::kLat, lastLat_);
  write(key::kLong, lastLong_);
  write(key::kLatHem, lastLatHem_);
  write(key::kLongHem, lastLongHem_);
  // txtTZ holds the control's convention now; the file keeps the user's own entry.
  write(key::kTZ, negatedTimeDifference(location_->txtTZ->text()));
  write(key::kComPort, location_->comPort->currentText());
  write(key::kAutoExit, chkExit->value() == 0 ? "0" : "1");
}

void frmConnect::Form_Unload() {
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

void frmConnect::onReceiverLost(short event, const QString& description) {
  // The control closed the port: no sentence follows. The last fix stays on
  // the labels and Exit still remembers it; only the countdown ends.
  lost_ = true;
  silence_->stop();
  autoExitCount_ = 0;
  chkExit->setText(kAutoExitAtRest);
  const QString device = QString::fromStdString(vx::portDevicePath(location_->comPort->currentText().toInt()));
  setStatus(event == vx::kComEventDeviceLost ? "Receiver lost: " + device + " went away"
                                             : "Receiver lost: " + description);
}

void frmConnect::showSilenceHint() {
  if (!lost_) setStatus(kSilenceHint);
}

void frmConnect::setStatus(const QString& text) {
  labStatus->setText(text);
  const int rowHeight = vx::fromTwips(0, 0, 0, kRowHeightTwips).height();
  labStatus->resize(labStatus->width(), std::max(rowHeight, labStatus->heightForWidth(labStatus->width())));
  labStatus->raise();
}

void frmConnect::mnuAbout_Click() { showAbout(this, screenAboutText()); }

}  // namespace kestrune
