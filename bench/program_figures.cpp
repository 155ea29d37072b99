// SPDX-License-Identifier: MIT
// A measured run of the program's own figures, as a user meets them:
//  - from process start to the welcome screen painted;
//  - the CPU the program uses while a screen waits for input;
//  - from the monitor screen's creation to its first paint;
//  - the CPU the monitor uses per second while receiving, satellite bars
//    included, and resident memory then, from earthmate-sim running at the
//    receiver's own pace (linked as port 1 in a private configuration folder).
// Run it on the display to measure (xvfb-run for a headless machine), in
// the language LANG names, as the program loads it.
#include <sys/resource.h>
#include <unistd.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "app/location_screen.h"
#include "app/message_boxes.h"
#include "app/monitor_screen.h"
#include "app/satellite_bars.h"
#include "app/translations.h"
#include "app/welcome_screen.h"

namespace {

// Seconds since boot at which this process started.
double processStart() {
  std::ifstream stat("/proc/self/stat");
  std::string text((std::istreambuf_iterator<char>(stat)), {});
  std::istringstream fields(text.substr(text.rfind(')') + 2));
  std::string field;
  for (int i = 3; i <= 22; ++i) fields >> field;  // field 22: start time in clock ticks
  return std::stod(field) / static_cast<double>(sysconf(_SC_CLK_TCK));
}

double sinceBoot() {
  timespec now{};
  clock_gettime(CLOCK_BOOTTIME, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

double cpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
         static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

long residentKilobytes() {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);) {
    if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
  }
  return -1;
}

void runFor(int milliseconds) {
  QEventLoop loop;
  QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
  loop.exec();
}

// A message box would wait for a click that never comes: print it instead.
class PrintedMessages : public kestrune::MessageBoxes {
 public:
  void show(QWidget*, const kestrune::Message& message) override {
    std::fprintf(stderr, "message: %s\n", qPrintable(message.text));
  }
  bool ask(QWidget* owner, const kestrune::Message& message) override {
    show(owner, message);
    return false;  // keep what the figures' settings file says
  }
};

class FirstPaint : public QObject {
 public:
  double at = 0;
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && at == 0) at = sinceBoot();
    return QObject::eventFilter(watched, event);
  }
};

}  // namespace

int main(int argc, char** argv) {
  std::setvbuf(stdout, nullptr, _IOLBF, 0);
  QApplication app(argc, argv);
  QElapsedTimer loading;
  loading.start();
  const kestrune::Translations translations{QLocale()};
  const double loadingMilliseconds = static_cast<double>(loading.nsecsElapsed()) / 1e6;
  PrintedMessages messages;
  kestrune::setMessageBoxes(&messages);
  kestrune::WelcomeScreen welcome;
  FirstPaint painted;
  welcome.installEventFilter(&painted);
  welcome.show();
  while (painted.at == 0) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  std::printf("process start to welcome screen painted: %.0f ms (%s)\n", (painted.at - processStart()) * 1000,
              qPrintable(welcome.continueButton->text()));
  std::printf("of which loading the catalogues for %s: %.2f ms\n", qPrintable(QLocale().name()), loadingMilliseconds);

  const double idleStart = cpuSeconds();
  runFor(5000);
  std::printf("CPU while the welcome screen waits 5 s: %.1f ms\n", (cpuSeconds() - idleStart) * 1000);

  QTemporaryDir config;
  qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
  QProcess simulator;
  simulator.start(SIM_PATH, {"--link", "1"});
  while (!QFileInfo(config.path() + "/vx/com1").isSymLink()) runFor(50);
  kestrune::LocationScreen location(&welcome);
  location.latitudeEdit->setText("52.06");
  location.longitudeEdit->setText("5.14");
  location.timeDifferenceEdit->setText("0");
  QElapsedTimer opening;
  opening.start();
  kestrune::MonitorScreen monitor(&location);
  const double created = static_cast<double>(opening.nsecsElapsed()) / 1e6;
  FirstPaint monitorPainted;
  monitor.installEventFilter(&monitorPainted);
  monitor.show();
  while (monitorPainted.at == 0) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  std::printf("monitor screen created to painted: %.1f ms (%.1f of them loading: control, port, gpsd check)\n",
              static_cast<double>(opening.nsecsElapsed()) / 1e6, created);

  runFor(12000);  // woken, initialised, satellites coming in
  constexpr int kReceivingSeconds = 10;
  const double receivingStart = cpuSeconds();
  runFor(kReceivingSeconds * 1000);
  std::printf("CPU while the monitor receives: %.2f ms per second (%s)\n",
              (cpuSeconds() - receivingStart) * 1000 / kReceivingSeconds,
              qPrintable(monitor.satelliteBars->summary->text()));
  std::printf("resident memory with the monitor open and receiving: %.1f MB (status \"%s\", quality \"%s\")\n",
              static_cast<double>(residentKilobytes()) / 1024, qPrintable(monitor.statusValue->text()),
              qPrintable(monitor.qualityValue->text()));
  monitor.onExitClicked();
  simulator.terminate();
  simulator.waitForFinished();
  return 0;
}
