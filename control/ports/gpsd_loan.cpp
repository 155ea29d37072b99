// SPDX-License-Identifier: MIT
#include "gpsd_loan.h"

#include <algorithm>
#include <chrono>
#include <optional>
#include <utility>
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

std::string wokenText(const GpsdDevice& device) {
  return device.seenGps ? "it has woken the receiver without the time and position, so the first fix comes late"
                        : "it will wake the receiver without the time and position as soon as the receiver speaks, "
                          "so the first fix will come late";
}

std::string heldNotice(const GpsdDevice& device) {
  const std::string& path = device.path;
  return "gpsd is reading " + path + ": " + wokenText(device) + ". To have it initialised: sudo gpsdctl remove " +
         path + ", switch the receiver off and on, initialise it, then sudo gpsdctl add " + path +
         ". Or, with " + kInitUnit + " installed, simply unplug the receiver and plug it in again.";
}

std::string borrowedNotice(const GpsdDevice& device) {
  const std::string& path = device.path;
  return "gpsd was reading " + path + " and " +
         (device.seenGps ? "had woken the receiver without the time and position"
                         : "would have woken the receiver without the time and position") +
         ". It is taken from gpsd (gpsdctl remove " + path +
         ") and given back when the port closes. Switch the receiver off and on to have it initialised.";
}

// Adds `path` back to gpsd at `controlSocket`; the report says how it went, `why` first.
bool addBack(const std::string& path, const std::string& controlSocket, const std::string& why,
             const GpsdReport& report) {
  switch (tellGpsd('+', path, kAddLimit, controlSocket)) {
    case GpsdControlAnswer::kOk:
      report(why + path + " given back to gpsd (gpsdctl add " + path + ")");
      return true;
    case GpsdControlAnswer::kRefused:
      report(why + "gpsd did not take " + path + " back: it heard no GPS on it. Add it again with sudo gpsdctl add " +
             path);
      return false;
    case GpsdControlAnswer::kUnreachable:
    case GpsdControlAnswer::kUnsafePath:
      break;
  }
  report(why + "cannot give " + path + " back to gpsd: its control socket " + controlSocket +
         " does not answer. Add it again with sudo gpsdctl add " + path);
  return false;
}

// The loans out, on the one thread that makes them.
std::vector<GpsdLoan*>& loansOut() {
  static std::vector<GpsdLoan*> loans;
  return loans;
}

}  // namespace

GpsdLoan::GpsdLoan(std::string gpsdPath, GpsdReport report)
    : gpsdPath_(std::move(gpsdPath)),
      report_(std::move(report)),
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
  const bool taken = addBack(gpsdPath_, gpsdControlSocket(), "", report_);
  record_.reset();  // given back, or the user told how
  return taken;
}

GpsdCheck checkGpsd(const std::string& device, GpsdReport report, int wakeFd) {
  for (const StrandedLoan& stranded : takeStrandedLoans()) {
    addBack(stranded.device, stranded.controlSocket, "A program that had borrowed a device ended without giving it "
                                                     "back: ", report);
  }
  const std::optional<std::vector<GpsdDevice>> devices = askGpsdForDevices(kGpsdGreetingLimit, wakeFd);
  if (!devices) return {};
  const std::optional<GpsdDevice> entry = gpsdEntryFor(*devices, device);
  if (!entry || !entry->open) return {};
  if (tellGpsd('-', entry->path, kRemoveLimit) == GpsdControlAnswer::kOk) {
    return {borrowedNotice(*entry), std::make_unique<GpsdLoan>(entry->path, std::move(report))};
  }
  return {heldNotice(*entry), nullptr};
}

}  // namespace vx
