// SPDX-License-Identifier: MIT
#include "tests/app/app_fixture.h"

#include <QWidget>

#include <time.h>

#include <fstream>
#include <sstream>

namespace kestrune::test {

ModalWatchdog::ModalWatchdog(std::chrono::seconds limit) : limit(limit) {
  connect(&timer_, &QTimer::timeout, this, &ModalWatchdog::check);
  timer_.start(100);
}

void ModalWatchdog::check() {
  QWidget* modal = QApplication::activeModalWidget();
  if (modal != watched_) {
    watched_ = modal;
    shownFor_.start();
    return;
  }
  if (modal == nullptr || shownFor_.elapsed() < std::chrono::milliseconds(limit).count()) return;
  ADD_FAILURE() << "a modal " << modal->metaObject()->className() << " stayed open for " << limit.count()
                << " s: closed";
  watched_ = nullptr;
  modal->close();
}

void AppTest::setComputerZone(const char* zone) {
  zone != nullptr ? qputenv("TZ", zone) : qunsetenv("TZ");
  tzset();
}

void AppTest::writeSettings(const std::string& contents) const {
  std::ofstream(settingsPath(), std::ios::binary) << contents;
}

std::optional<std::string> AppTest::settings() const {
  std::ifstream in(settingsPath(), std::ios::binary);
  if (!in) return std::nullopt;
  std::ostringstream contents;
  contents << in.rdbuf();
  return contents.str();
}

}  // namespace kestrune::test
