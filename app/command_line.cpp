// SPDX-License-Identifier: MIT
#include "app/command_line.h"

#include <unistd.h>

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QString>
#include <cstring>
#include <iostream>
#include <string>

#include "app/version.h"
#include "serial/port_link.h"
#include "settings/profile_file.h"
#include "settings/settings_file.h"

namespace kestrune {
namespace {

std::string usage() {
  return "Usage: kestrune [--help] [--version]\n"
         "Prepare a serially attached Earthmate GPS receiver for a fast first fix: enter\n"
         "your approximate position, time difference and serial port, and watch the\n"
         "receiver find its fix. The settings live in " + profilePath(kSettingsFile) + "; serial\n"
         "port N is the device " + vx::portLinkFolder() + "/comN links to, else /dev/ttyS<N-1>.\n"
         "\n"
         "  -h, --help     show this help and exit\n"
         "      --version  show the version and exit\n";
}

QtMessageHandler qtOwnHandler = nullptr;

void handleWhileStarting(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (type == QtFatalMsg) {  // no window system plugin could start: no display
    std::cerr << "kestrune: Kestrune needs a graphical display, and none could be opened here.\n"
                 "Without one, vxinit prepares the receiver from the terminal (see vxinit --help).\n";
    std::cerr.flush();
    ::_exit(kExitNoDisplay);
  }
  // The window system plugins' own complaints on the way to that end say nothing the user can act on.
  if (context.category != nullptr && std::strncmp(context.category, "qt.qpa.", 7) == 0) return;
  qtOwnHandler(type, context, text);
}

}  // namespace

bool answeredOnTheTerminal(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
      std::cout << usage();
      return true;
    }
    if (std::strcmp(argv[i], "--version") == 0) {
      std::cout << "Kestrune " << kPackageVersion << "\n";
      return true;
    }
  }
  return false;
}

void explainMissingDisplay() { qtOwnHandler = qInstallMessageHandler(handleWhileStarting); }

void stopExplainingMissingDisplay() { qInstallMessageHandler(qtOwnHandler); }

bool onlyKnownArguments(int argc, char** argv) {
  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  QCommandLineParser parser;
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);  // "-v" is no "--version"
  parser.addOption(QCommandLineOption(QStringList{"h", "help"}));
  parser.addOption(QCommandLineOption("version"));
  QString error;
  if (!parser.parse(arguments)) {
    error = parser.errorText();
  } else if (!parser.positionalArguments().isEmpty()) {
    error = QCoreApplication::translate("kestrune::CommandLine", "Unexpected argument '%1'.")
                .arg(parser.positionalArguments().first());
  }
  if (error.isEmpty()) return true;
  std::cerr << "kestrune: " << error.toLocal8Bit().constData() << "\n" << usage();
  return false;
}

}  // namespace kestrune
