// SPDX-License-Identifier: MIT
// Kestrune: prepares a serially attached Earthmate GPS receiver for a fast
// first fix. Three screens in a fixed order: welcome, location entry, and
// connection and fix monitor.
#include <QApplication>
#include <cstring>
#include <iostream>

#include "welcome_screen.h"
#include "program_icon.h"
#include "version.h"

namespace {

constexpr const char* kUsage =
    "Usage: kestrune [--help] [--version]\n"
    "Prepare a serially attached Earthmate GPS receiver for a fast first fix: enter\n"
    "your approximate position, time difference and serial port, and watch the\n"
    "receiver find its fix. The settings live in ~/.config/Kestrune.ini; serial\n"
    "port N is the device ~/.config/vx/comN links to, else /dev/ttyS<N-1>.\n"
    "\n"
    "  -h, --help     show this help and exit\n"
    "      --version  show the version and exit\n";

// --help and --version are answered before any window system is needed.
bool answeredOnTheTerminal(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
      std::cout << kUsage;
      return true;
    }
    if (std::strcmp(argv[i], "--version") == 0) {
      std::cout << "Kestrune " << kestrune::kPackageVersion << "\n";
      return true;
    }
  }
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  if (answeredOnTheTerminal(argc, argv)) return std::cout.flush() ? 0 : 1;
  QApplication app(argc, argv);
  QApplication::setApplicationName("Kestrune");
  QApplication::setApplicationVersion(kestrune::kVersionText);
  QApplication::setDesktopFileName(kestrune::kAppId);
  QApplication::setWindowIcon(kestrune::programIcon());

  kestrune::WelcomeScreen welcome;
  QObject::connect(&welcome, &kestrune::WelcomeScreen::ended, &app, &QCoreApplication::quit, Qt::QueuedConnection);
  welcome.show();
  return app.exec();
}
