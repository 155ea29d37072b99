// Kestrune: prepares a serially attached Earthmate GPS receiver for a fast
// first fix. Three screens in a fixed order: welcome, location entry, and
// connection and fix monitor.
#include <QApplication>

#include "frm_main.h"
#include "program_icon.h"
#include "version.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("Kestrune");
  QApplication::setApplicationVersion(kestrune::kVersionText);
  QApplication::setDesktopFileName("kestrune");
  QApplication::setWindowIcon(kestrune::programIcon());

  kestrune::frmMain welcome;
  QObject::connect(&welcome, &kestrune::frmMain::ended, &app, &QCoreApplication::quit, Qt::QueuedConnection);
  welcome.show();
  return app.exec();
}
