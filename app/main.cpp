// SPDX-License-Identifier: MIT
// Kestrune: prepares a serially attached Earthmate GPS receiver for a fast
// first fix. Three screens in a fixed order: welcome, location entry, and
// connection and fix monitor.
#include <QApplication>
#include <QLocale>
#include <QSocketNotifier>
#include <iostream>

#include "app/command_line.h"
#include "app/termination_signals.h"
#include "app/translations.h"
#include "app/version.h"
#include "app/welcome_screen.h"
#include "gpsd/gpsd_loan.h"
#include "icon/program_icon.h"

int main(int argc, char** argv) {
  if (kestrune::answeredOnTheTerminal(argc, argv)) return std::cout.flush() ? 0 : 1;
  kestrune::holdTerminationSignals();  // before Qt starts a thread of its own
  kestrune::explainMissingDisplay();
  QApplication app(argc, argv);
  kestrune::stopExplainingMissingDisplay();
  const kestrune::Translations translations{QLocale()};
  if (!kestrune::onlyKnownArguments(argc, argv)) return kestrune::kExitUsage;
  QApplication::setApplicationName("Kestrune");
  QApplication::setApplicationVersion(kestrune::kVersionText);
  QApplication::setDesktopFileName(kestrune::kAppId);
  QApplication::setWindowIcon(kestrune::programIcon());

  const kestrune::TerminationSignals terminationSignals;
  QSocketNotifier signalArrived(terminationSignals.descriptor(), QSocketNotifier::Read);
  QObject::connect(&signalArrived, &QSocketNotifier::activated,
                   [&terminationSignals] { terminationSignals.endIfArrived(vx::GpsdLoan::giveBackAll); });

  kestrune::WelcomeScreen welcome;
  QObject::connect(&welcome, &kestrune::WelcomeScreen::ended, &app, &QCoreApplication::quit, Qt::QueuedConnection);
  welcome.show();
  return app.exec();
}
