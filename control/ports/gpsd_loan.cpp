// SPDX-License-Identifier: MIT
#include "gpsd_loan.h"

#include <QCoreApplication>
#include <chrono>
#include <vector>

#include "gpsd_devices.h"
#include "gpsd_link.h"

namespace vx {
namespace {

using namespace std::chrono_literals;

// gpsd answers a removal at once, an addition once it has heard the device speak (2 to 3 s measured).
constexpr auto kRemoveLimit = 2s;
constexpr auto kAddLimit = 10s;

constexpr const char* kInitUnit = "kestrune-init@.service";

QString wokenText(const GpsdDevice& device) {
  //: Follows "gpsd is reading /dev/ttyUSB0: "; "it" is gpsd.
  return device.seenGps ? QCoreApplication::translate("vx",
                                                      "it has woken the receiver without the time and position, so "
                                                      "the first fix comes late")
                        : QCoreApplication::translate(
                              "vx", "it will wake the receiver without the time and position as soon as the receiver "
                                    "speaks, so the first fix will come late");
}

QString heldNotice(const GpsdDevice& device) {
  return QCoreApplication::translate("vx",
                                     "gpsd is reading %1: %2. To have it initialised: sudo gpsdctl remove %1, switch "
                                     "the receiver off and on, initialise it, then sudo gpsdctl add %1. Or, with %3 "
                                     "installed, simply unplug the receiver and plug it in again.")
      .arg(device.path, wokenText(device), kInitUnit);
}

QString borrowedNotice(const GpsdDevice& device) {
  //: %2 says what gpsd did or would have done: "had woken the receiver ...".
  return QCoreApplication::translate("vx",
                                     "gpsd was reading %1 and %2. It is taken from gpsd (gpsdctl remove %1) and given "
                                     "back when the port closes. Switch the receiver off and on to have it "
                                     "initialised.")
      .arg(device.path,
           device.seenGps
               ? QCoreApplication::translate("vx", "had woken the receiver without the time and position")
               : QCoreApplication::translate("vx", "would have woken the receiver without the time and position"));
}

// The loans out, on the one thread that makes them.
std::vector<GpsdLoan*>& loansOut() {
  static std::vector<GpsdLoan*> loans;
  return loans;
}

}  // namespace

GpsdLoan::GpsdLoan(QString gpsdPath, GpsdReport report) : gpsdPath_(std::move(gpsdPath)), report_(std::move(report)) {
  loansOut().push_back(this);
}

GpsdLoan::~GpsdLoan() {
  giveBack();
  std::erase(loansOut(), this);
}

void GpsdLoan::giveBackAll() {
  for (GpsdLoan* loan : loansOut()) loan->giveBack();
}

bool GpsdLoan::giveBack() {
  if (givenBack_) return true;
  givenBack_ = true;
  switch (tellGpsd('+', gpsdPath_, kAddLimit)) {
    case GpsdControlAnswer::kOk:
      report_(QCoreApplication::translate("vx", "%1 given back to gpsd (gpsdctl add %1)").arg(gpsdPath_));
      return true;
    case GpsdControlAnswer::kRefused:
      report_(QCoreApplication::translate(
                  "vx", "gpsd did not take %1 back: it heard no GPS on it. Add it again with sudo gpsdctl add %1")
                  .arg(gpsdPath_));
      return false;
    case GpsdControlAnswer::kUnreachable:
      break;
  }
  report_(QCoreApplication::translate(
              "vx", "cannot give %1 back to gpsd: its control socket %2 does not answer. Add it again with sudo "
                    "gpsdctl add %1")
              .arg(gpsdPath_, gpsdControlSocket()));
  return false;
}

GpsdCheck checkGpsd(const QString& device, GpsdReport report) {
  const std::optional<QByteArray> reply = askGpsdForDevices();
  if (!reply) return {};
  const std::optional<GpsdDevice> entry = gpsdEntryFor(parseGpsdDevices(*reply).value_or(QList<GpsdDevice>{}), device);
  if (!entry || !entry->open) return {};
  if (tellGpsd('-', entry->path, kRemoveLimit) == GpsdControlAnswer::kOk) {
    return {borrowedNotice(*entry), std::make_unique<GpsdLoan>(entry->path, std::move(report))};
  }
  return {heldNotice(*entry), nullptr};
}

}  // namespace vx
