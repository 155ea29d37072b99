// SPDX-License-Identifier: MIT
// Before a program opens a serial device: whether gpsd is reading it,
// said in plain words, and where the program may write to gpsd's control
// socket, the device borrowed from gpsd and given back afterwards. A gpsd
// that is not running, or that knows the device without having it open,
// changes nothing.
#pragma once

#include <QString>
#include <functional>
#include <memory>

namespace vx {

// Tells the user one thing: a line on standard error, a status on screen.
using GpsdReport = std::function<void(const QString& text)>;

// The device taken from gpsd ("gpsdctl remove"); given back ("gpsdctl
// add") by giveBack() or, failing that, when it is destroyed, so that gpsd
// never stays without a device it had, whichever way the program ends.
class GpsdLoan {
 public:
  GpsdLoan(QString gpsdPath, GpsdReport report);
  ~GpsdLoan();
  GpsdLoan(const GpsdLoan&) = delete;
  GpsdLoan& operator=(const GpsdLoan&) = delete;

  // Adds the device back to gpsd once; reports a failure with the command
  // that adds it by hand. True when gpsd took it.
  bool giveBack();

  // Every loan still out, given back: for a program about to end by a
  // signal, which runs no destructor.
  static void giveBackAll();

 private:
  QString gpsdPath_;
  GpsdReport report_;
  bool givenBack_ = false;
};

struct GpsdCheck {
  QString notice;                 // empty when gpsd does not have the device open
  std::unique_ptr<GpsdLoan> loan;  // set when the device was borrowed from gpsd
};

// Asks gpsd whether it has `device` open. When it has, the notice says so
// and what to do; where the control socket takes commands, the device is
// borrowed and the notice says that instead. `report` tells the loan's
// later news (the device given back, or why not).
GpsdCheck checkGpsd(const QString& device, GpsdReport report);

}  // namespace vx
