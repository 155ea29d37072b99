#include "app_fixture.h"

#include <QDir>
#include <fstream>
#include <sstream>

namespace kestrune::test {

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

void AppTest::linkPort(int port, const std::string& device) const {
  QDir(config.path()).mkpath("vx");
  const QString link = config.path() + "/vx/com" + QString::number(port);
  QFile::remove(link);
  QFile::link(QString::fromStdString(device), link);
}

}  // namespace kestrune::test
