// SPDX-License-Identifier: MIT
// Before a program opens a serial device: whether gpsd is reading it,
// said in plain words, and where the program may write to gpsd's control
// socket, the device borrowed from gpsd and given back afterwards. A gpsd
// that is not running, or that knows the device without having it open,
// changes nothing. No Qt.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "common/translated_text.h"
#include "gpsd/gpsd_loan_record.h"

namespace vx {

// Tells the user one thing: a line on standard error, a status on screen.
using GpsdReport = std::function<void(const std::string& text)>;

// The device taken from gpsd ("gpsdctl remove"); given back ("gpsdctl
// add") by giveBack() or, failing that, when it is destroyed, so that gpsd
// never stays without a device it had, whichever way the program ends.
// While it is out it is recorded (gpsd_loan_record.h), for a program killed
// before it could give the device back.
class GpsdLoan {
 public:
  // Reports in `translated`'s words (none: English).
  GpsdLoan(std::string gpsdPath, GpsdReport report, Translator translated = nullptr);
  ~GpsdLoan();
  GpsdLoan(const GpsdLoan&) = delete;
  GpsdLoan& operator=(const GpsdLoan&) = delete;

  // What must let go of the device before gpsd can open it again: the
  // borrower's port, closed. Runs once, first thing in giveBack().
  void closeFirst(std::function<void()> closePort);

  // Closes the borrower's port, then adds the device back to gpsd once;
  // reports a failure with the command that adds it by hand. True when gpsd took it.
  bool giveBack();

  // Every loan still out, given back: for a program about to end by a
  // signal, which runs no destructor.
  static void giveBackAll();

 private:
  std::string gpsdPath_;
  GpsdReport report_;
  Translator translated_;
  std::function<void()> closePort_;
  std::unique_ptr<GpsdLoanRecord> record_;
  bool givenBack_ = false;
};

struct GpsdCheck {
  std::string notice;              // empty when gpsd does not have the device open
  std::unique_ptr<GpsdLoan> loan;  // set when the device was borrowed from gpsd
};

// First gives back to gpsd every device a program that ended without
// doing so had borrowed, telling `report` of each. Then asks gpsd whether
// it has `device` open. When it has, the notice says so and what to do;
// where the control socket takes commands, the device is borrowed and the
// notice says that instead. `report` tells the loan's later news (the
// device given back, or why not). `wakeFd` (-1: none) readable cuts the
// question to gpsd short: a signal to end. The notice and the reports are
// in `translated`'s words (none: English).
GpsdCheck checkGpsd(const std::string& device, GpsdReport report, int wakeFd = -1,
                    const Translator& translated = nullptr);

}  // namespace vx
