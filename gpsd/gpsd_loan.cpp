// SPDX-License-Identifier: MIT
#include "gpsd/gpsd_loan.h"

#include <algorithm>
#include <chrono>
#include <optional>
#include <utility>
#include <vector>

#include "control/error/translatable.h"
#include "gpsd/gpsd_devices.h"
#include "gpsd/gpsd_link.h"

namespace vx {
namespace {

using namespace std::chrono_literals;

// gpsd answers a removal at once, an addition once it has heard the device speak (2 to 3 s measured).
constexpr auto kRemoveLimit = 2s;
constexpr auto kAddLimit = 10s;

constexpr const char* kInitUnit = "kestrune-init@.service";

const char* wokenText(const GpsdDevice& device) {
  //: Follows "gpsd is reading /dev/ttyUSB0: "; "it" is gpsd.
  return device.seenGps ? QT_TRANSLATE_NOOP("vx",
                                            "it has woken the receiver without the time and position, so the first "
                                            "fix comes late")
                        : QT_TRANSLATE_NOOP("vx",
                                            "it will wake the receiver without the time and position as soon as the "
                                            "receiver speaks, so the first fix will come late");
}

std::string heldNotice(const GpsdDevice& device, const Translator& translated) {
  const char* notice = QT_TRANSLATE_NOOP("vx",
                                         "gpsd is reading %1: %2. To have it initialised: sudo gpsdctl remove %1, "
                                         "switch the receiver off and on, initialise it, then sudo gpsdctl add %1. Or, "
                                         "with %3 installed, simply unplug the receiver and plug it in again.");
  return filledIn(translatedText(notice, translated),
                  {device.path, translatedText(wokenText(device), translated), kInitUnit});
}

std::string borrowedNotice(const GpsdDevice& device, const Translator& translated) {
  //: %2 says what gpsd did or would have done: "had woken the receiver ...".
  const char* notice = QT_TRANSLATE_NOOP("vx",
                                         "gpsd was reading %1 and %2. It is taken from gpsd (gpsdctl remove %1) and "
                                         "given back when the port closes. Switch the receiver off and on to have it "
                                         "initialised.");
  const char* woken = device.seenGps
                          ? QT_TRANSLATE_NOOP("vx", "had woken the receiver without the time and position")
                          : QT_TRANSLATE_NOOP("vx", "would have woken the receiver without the time and position");
  return filledIn(translatedText(notice, translated), {device.path, translatedText(woken, translated)});
}

// The report of giving a device back, by gpsd's answer: %1 the device, %2 its control socket.
const char* addBackReport(GpsdControlAnswer answer) {
  switch (answer) {
    case GpsdControlAnswer::kOk: return QT_TRANSLATE_NOOP("vx", "%1 given back to gpsd (gpsdctl add %1)");
    case GpsdControlAnswer::kRefused:
      return QT_TRANSLATE_NOOP("vx",
                               "gpsd did not take %1 back: it heard no GPS on it. Add it again with sudo gpsdctl "
                               "add %1");
    case GpsdControlAnswer::kUnreachable:
    case GpsdControlAnswer::kUnsafePath:
      break;
  }
  return QT_TRANSLATE_NOOP("vx",
                           "cannot give %1 back to gpsd: its control socket %2 does not answer. Add it again with sudo "
                           "gpsdctl add %1");
}

// Adds `path` back to gpsd at `controlSocket` and reports how it went,
// behind `why` (a sentence with %1 for the report) where given.
bool addBack(const std::string& path, const std::string& controlSocket, const char* why, const GpsdReport& report,
             const Translator& translated) {
  const GpsdControlAnswer answer = tellGpsd('+', path, kAddLimit, controlSocket);
  std::string text = filledIn(translatedText(addBackReport(answer), translated), {path, controlSocket});
  if (why != nullptr) text = filledIn(translatedText(why, translated), {text});
  report(text);
  return answer == GpsdControlAnswer::kOk;
}

// The loans out, on the one thread that makes them.
std::vector<GpsdLoan*>& loansOut() {
  static std::vector<GpsdLoan*> loans;
  return loans;
}

}  // namespace

GpsdLoan::GpsdLoan(std::string gpsdPath, GpsdReport report, Translator translated)
    : gpsdPath_(std::move(gpsdPath)),
      report_(std::move(report)),
      translated_(std::move(translated)),
      record_(std::make_unique<GpsdLoanRecord>(gpsdPath_, gpsdControlSocket())) {
  loansOut().push_back(this);
}

GpsdLoan::~GpsdLoan() {
  giveBack();
  std::erase(loansOut(), this);
}

void GpsdLoan::giveBackAll() {
  for (GpsdLoan* loan : loansOut()) loan->giveBack();
}

void GpsdLoan::closeFirst(std::function<void()> closePort) { closePort_ = std::move(closePort); }

bool GpsdLoan::giveBack() {
  if (givenBack_) return true;
  givenBack_ = true;
  if (closePort_) std::exchange(closePort_, nullptr)();
  const bool taken = addBack(gpsdPath_, gpsdControlSocket(), nullptr, report_, translated_);
  record_.reset();  // given back, or the user told how
  return taken;
}

GpsdCheck checkGpsd(const std::string& device, GpsdReport report, int wakeFd, const Translator& translated) {
  for (const StrandedLoan& stranded : takeStrandedLoans()) {
    //: %1 tells how giving the device back went: "/dev/ttyUSB0 given back to gpsd ...".
    const char* why = QT_TRANSLATE_NOOP("vx", "A program that had borrowed a device ended without giving it back: %1");
    addBack(stranded.device, stranded.controlSocket, why, report, translated);
  }
  const std::optional<std::vector<GpsdDevice>> devices = askGpsdForDevices(kGpsdGreetingLimit, wakeFd);
  if (!devices) return {};
  const std::optional<GpsdDevice> entry = gpsdEntryFor(*devices, device);
  if (!entry || !entry->open) return {};
  if (tellGpsd('-', entry->path, kRemoveLimit) == GpsdControlAnswer::kOk) {
    return {borrowedNotice(*entry, translated), std::make_unique<GpsdLoan>(entry->path, std::move(report), translated)};
  }
  return {heldNotice(*entry, translated), nullptr};
}

}  // namespace vx
