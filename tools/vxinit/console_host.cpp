// SPDX-License-Identifier: MIT
#include "console_host.h"

#include <csignal>
#include <cstdio>

#include <QVariant>

#include "cli.h"
#include "init_message.h"
#include "wake_up.h"
#include "vx_error.h"

namespace vx {

ConsoleHost::ConsoleHost(QWidget* control, const ConsoleOptions& options, LocalClock clock)
    : control_(control), byName_(control), options_(options), clock_(std::move(clock)) {
  connect(control_, SIGNAL(OnComm()), this, SLOT(onComm()));
  connect(control_, SIGNAL(CommError(short, QString)), this, SLOT(onCommError(short, QString)));
  connect(control_, SIGNAL(Transmitted(QByteArray)), this, SLOT(onTransmitted(QByteArray)));
}

void ConsoleHost::start() {
  byName_.put("Latitude", options_.latitude);
  byName_.put("LatHemisphere", options_.latHemisphere);
  byName_.put("Longitude", options_.longitude);
  byName_.put("LongHemisphere", options_.longHemisphere);
  // The clock's own difference as it stands now, to the second: the control
  // rounds it as it rounds any TimeZone, finds it its clock's own and sends
  // the exact UTC, whatever the clock does before the receiver wakes.
  if (options_.timeZone) {
    byName_.put("TimeZone", *options_.timeZone);
  } else if (const std::optional<int> offset = clock_().utcOffsetSeconds) {
    byName_.put("TimeZone", -*offset / 3600.0);
  }
  byName_.put("SatellitesInView", options_.satellitesInView);
  byName_.put("CommPort", options_.port);
  byName_.put("DTREnable", true);
  byName_.put("RTSEnable", true);
  byName_.put("PortOpen", -1);
  std::fprintf(stderr, "vxinit: port %d open, waiting for the receiver\n", options_.port);
}

void ConsoleHost::stop() {
  try {
    if (byName_.get("PortOpen").toInt() != 0) byName_.put("PortOpen", 0);
    byName_.put("RTSEnable", false);
    byName_.put("DTREnable", false);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "vxinit: closing the port: %s\n", error.what());
  }
}

void ConsoleHost::onComm() {
  const QString sentence = byName_.get("Idata").toString();
  if (sentence.isEmpty() || finished_) return;
  try {
    cli::writeLine(sentence.toLatin1().toStdString());
    cli::flushOutput();
  } catch (const cli::OutputError& error) {
    // A reader that has had enough (`vxinit | head -1`) is no failure: the port closes as after a signal.
    if (error.readerGone()) {
      std::fprintf(stderr, "vxinit: the output's reader is gone, closing the port\n");
      return finish(cli::exitAfterSignal(SIGPIPE));
    }
    std::fprintf(stderr, "vxinit: %s\n", error.what());
    return finish(cli::kExitFailure);
  }
  ++sentences_;
  if (isValidFix(sentence)) emit validFix(sentence);
  if ((options_.untilFix && isValidFix(sentence)) || (options_.count > 0 && sentences_ >= options_.count)) {
    finish(0);
  }
}

void ConsoleHost::onCommError(short event, const QString& description) {
  std::fprintf(stderr, "vxinit: the receiver's line went away (event %d: %s)\n", event,
               description.toLocal8Bit().constData());
  finish(1);
}

void ConsoleHost::finish(int exitCode) {
  if (finished_) return;
  finished_ = true;
  emit finished(exitCode);
}

void ConsoleHost::onTransmitted(const QByteArray& bytes) {
  const std::string_view sent(bytes.constData(), static_cast<std::size_t>(bytes.size()));
  if (sent == WakeUp::kReply) {
    std::fprintf(stderr, "vxinit: receiver awake: wake reply sent\n");
  } else if (const auto init = decodeInitMessage(sent)) {
    std::fprintf(stderr, "vxinit: initialisation sent: %s\n", describe(*init).c_str());
  } else {
    std::fprintf(stderr, "vxinit: sent %lld bytes\n", static_cast<long long>(bytes.size()));
  }
}

bool isValidFix(const QString& sentence) { return sentence.startsWith("$GPRMC,") && sentence.section(',', 2, 2) == "A"; }

}  // namespace vx
