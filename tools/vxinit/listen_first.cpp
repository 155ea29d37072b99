// SPDX-License-Identifier: MIT
#include "listen_first.h"

#include <QCoreApplication>
#include <csignal>
#include <cstdio>
#include <stdexcept>

#include "cli.h"
#include "number_text.h"

namespace vx {
namespace {

int leftAlone(const QString& device, const std::string& why) {
  std::fprintf(stderr, "vxinit: %s %s: left alone, nothing written to it\n", device.toLocal8Bit().constData(),
               why.c_str());
  return kExitLeftAlone;
}

}  // namespace

ListenOutcome listenFirst(const QString& device, double limitSeconds, bool havePosition) {
  ListenOutcome outcome;
  auto listener = std::make_unique<DeviceListener>(device);  // throws when it cannot be opened
  std::fprintf(stderr, "vxinit: listening to %s%s\n", device.toLocal8Bit().constData(),
               limitSeconds > 0 ? (" for up to " + generalNumber(limitSeconds) + " seconds").c_str() : "");
  const Speech speech = listener->listen(limitSeconds);
  switch (speech) {
    case Speech::kUndecided:
      outcome.exitCode = leftAlone(device, "said nothing this receiver family says within the limit");
      break;
    case Speech::kForeign:
      outcome.exitCode = leftAlone(device, "sends " + listener->speech().foreignWhat() + ", not this receiver family's");
      break;
    case Speech::kAwake:
      std::fprintf(stderr, "vxinit: %s: %s, read without initialising it again\n", device.toLocal8Bit().constData(),
                   describe(speech));
      break;
    case Speech::kAsleep:
      if (havePosition) break;
      if (limitSeconds > 0) {
        outcome.exitCode = leftAlone(device, "holds a receiver waiting to be woken, and there is no position to give it");
        break;
      }
      std::fprintf(stderr, "vxinit: %s: %s; printing what it sends, unanswered\n", device.toLocal8Bit().constData(),
                   describe(speech));
      listener->echoLines([](const QByteArray& line) {
        try {
          cli::writeLine(line.toStdString());
          cli::flushOutput();
        } catch (const cli::OutputError& error) {
          std::fprintf(stderr, "vxinit: %s\n", error.what());
          QCoreApplication::exit(error.readerGone() ? cli::exitAfterSignal(SIGPIPE) : cli::kExitFailure);
        }
      });
      QObject::connect(listener.get(), &DeviceListener::gone, [device] {
        std::fprintf(stderr, "vxinit: the receiver's line went away (%s)\n", device.toLocal8Bit().constData());
        QCoreApplication::exit(cli::kExitFailure);
      });
      outcome.echoing = std::move(listener);
      break;
  }
  return outcome;
}

}  // namespace vx
