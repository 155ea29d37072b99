// SPDX-License-Identifier: MIT
#include "tests/support/gpsd_daemon.h"

#include <netinet/in.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFileInfo>
#include <QStandardPaths>

#include "gpsd/gpsd_link.h"
#include "tests/support/pty_receiver.h"

namespace vx::test {
namespace {

// A TCP port of the loopback that nothing uses now, as the kernel picks one.
std::string freePort() {
  const int probe = ::socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t size = sizeof address;
  const bool found = ::bind(probe, reinterpret_cast<sockaddr*>(&address), size) == 0 &&
                     ::getsockname(probe, reinterpret_cast<sockaddr*>(&address), &size) == 0;
  ::close(probe);
  return found ? std::to_string(ntohs(address.sin_port)) : "0";
}

}  // namespace

std::string GpsdDaemon::program() {
  return QStandardPaths::findExecutable("gpsd", {"/usr/sbin", "/usr/local/sbin", "/usr/bin"}).toStdString();
}

GpsdDaemon::GpsdDaemon(const std::string& device, bool openAtOnce) {
  // Run as root, gpsd drops to its own user once started: the devices it
  // is handed later (an add on the control socket) must be open to it.
  ::chmod(device.c_str(), 0666);
  const std::string port = freePort();
  std::vector<std::string> args{"-N", "-S", port, "-F", controlSocket()};
  if (!device.empty()) args.push_back(device);
  if (openAtOnce) args.insert(args.begin(), "-n");
  daemon_ = std::make_unique<RunningProgram>(program(), args);
  qputenv("KESTRUNE_GPSD", QByteArray("127.0.0.1:") + port.c_str());
  qputenv("GPSD_SOCKET", QFile::encodeName(QString::fromStdString(controlSocket())));
  // Listening before the test goes on: a program asking at once must find it,
  // however slowly a loaded machine starts it.
  vx::test::waitUntil([] { return askGpsdForDevices(std::chrono::seconds(1)).has_value(); }, std::chrono::seconds(20));
}

GpsdDaemon::~GpsdDaemon() {
  qunsetenv("KESTRUNE_GPSD");
  qunsetenv("GPSD_SOCKET");
  daemon_->signal(SIGTERM);
  daemon_->wait(10);
}

std::optional<GpsdDevice> GpsdDaemon::entry(const std::string& device) const {
  const auto devices = askGpsdForDevices(std::chrono::seconds(2));
  if (!devices) return std::nullopt;
  return gpsdEntryFor(*devices, device);
}

bool GpsdDaemon::waitUntil(const std::string& device, bool open) const {
  return vx::test::waitUntil(
      [&] {
        const auto known = entry(device);
        return known && known->open == open;
      },
      std::chrono::seconds(15));
}

bool GpsdDaemon::waitUntilHeard(const std::string& device) const {
  return vx::test::waitUntil(
      [&] {
        const auto known = entry(device);
        return known && known->open && known->seenGps;
      },
      std::chrono::seconds(15));
}

void SimulatorBesideGpsd::SetUp() {
  if (GpsdDaemon::program().empty()) GTEST_SKIP() << "gpsd (Debian's gpsd) is not installed";
  qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
  qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
}

void SimulatorBesideGpsd::TearDown() {
  if (simulator) simulator->signal(SIGTERM);
  qunsetenv("XDG_RUNTIME_DIR");
}

std::string SimulatorBesideGpsd::startSimulator(std::vector<std::string> args) {
  args.insert(args.begin(), {"--link", "1"});
  simulator = std::make_unique<RunningProgram>(SIM_PATH, args);
  const QString link = config.path() + "/vx/com1";
  waitUntil([&] { return QFileInfo(link).isSymLink(); }, std::chrono::seconds(10));
  const std::string device = QFileInfo(link).symLinkTarget().toStdString();
  ::chmod(device.c_str(), 0666);  // for gpsd, which drops root, to open when it is handed the device
  return device;
}

}  // namespace vx::test
