// SPDX-License-Identifier: MIT
#include "app_fixture.h"

#include <time.h>

#include <fstream>
#include <sstream>

namespace kestrune::test {

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
