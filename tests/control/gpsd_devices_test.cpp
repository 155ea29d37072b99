// SPDX-License-Identifier: MIT
// The lines of gpsd's reply to "?DEVICES;", as gpsd 3.22 wrote them reading
// the simulator's pseudo-terminal (gpsd -N [-n] -S PORT /dev/pts/0), each
// read as the program reads it, and which device of them is the one a port
// opens.
#include "gpsd/gpsd_devices.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

namespace vx {
namespace {

constexpr const char* kBanner = R"({"class":"VERSION","release":"3.22","rev":"3.22","proto_major":3,"proto_minor":14})";

struct ReplyCase {
  const char* what;
  std::string line;  // without its CR LF, as the connection hands it over
  std::optional<std::vector<std::tuple<std::string, bool, bool>>> devices;  // path, open, GPS seen
};

void PrintTo(const ReplyCase& reply, std::ostream* out) { *out << reply.what; }

class GpsdReplies : public ::testing::TestWithParam<ReplyCase> {};

TEST_P(GpsdReplies, GiveTheDevicesAndWhetherEachIsOpen) {
  const auto parsed = readGpsdDevicesLine(GetParam().line);
  ASSERT_EQ(parsed.has_value(), GetParam().devices.has_value());
  if (!parsed) return;
  std::vector<std::tuple<std::string, bool, bool>> got;
  for (const GpsdDevice& device : *parsed) got.emplace_back(device.path, device.open, device.seenGps);
  EXPECT_EQ(got, *GetParam().devices);
}

INSTANTIATE_TEST_SUITE_P(
    Gpsd322, GpsdReplies,
    ::testing::Values(
        ReplyCase{"open, the receiver heard (-n, or a client watching)",
                  R"({"class":"DEVICES","devices":[{"class":"DEVICE","path":"/dev/pts/0",)"
                      R"("activated":"2026-12-07T20:18:16.143Z","flags":1,"native":1,"bps":9600,"parity":"N",)"
                      R"("stopbits":1,"cycle":1.00}]})",
                  {{{"/dev/pts/0", true, true}}}},
        ReplyCase{"open, nothing heard yet (a silent line)",
                  R"({"class":"DEVICES","devices":[{"class":"DEVICE","path":"/dev/pts/2",)"
                      R"("activated":"2026-12-07T20:32:49.824Z","native":0,"bps":38400,"parity":"N","stopbits":1,)"
                      R"("cycle":1.00}]})",
                  {{{"/dev/pts/2", true, false}}}},
        ReplyCase{"known, closed (no -n, nobody watching)",
                  R"({"class":"DEVICES","devices":[{"class":"DEVICE","path":"/dev/pts/0"}]})",
                  {{{"/dev/pts/0", false, false}}}},
        ReplyCase{"no device (removed through the control socket)",
                  R"({"class":"DEVICES","devices":[]})",
                  {{}}},
        ReplyCase{"the banner that comes first: not the list", kBanner, std::nullopt},
        ReplyCase{"cut short in the middle of the devices",
                  R"({"class":"DEVICES","devices":[{"class":"DEVICE","path":"/dev/pts/0","dri)",
                  std::nullopt},
        ReplyCase{"an error instead (a request without its semicolon)",
                  R"({"class":"ERROR","message":"Unrecognized request '?DEVICES\n'"})",
                  std::nullopt},
        ReplyCase{"not gpsd at all", "SSH-2.0-OpenSSH_9.2p1 Debian-2", std::nullopt},
        ReplyCase{"paths with a newline (a second control command), an escape or a quote: left out",
                  R"({"class":"DEVICES","devices":[{"path":"/dev/pts/0\n+/dev/ttyS0","activated":"x"},)"
                      R"({"path":"/dev/\u001b[2Jpts/1","activated":"x"},{"path":"/dev/\"pts","activated":"x"},)"
                      R"({"path":"/dev/pts/3","activated":"x"}]})",
                  {{{"/dev/pts/3", true, false}}}}),
    [](const auto& info) { return "Case" + std::to_string(info.index); });

// gpsd names a device as it was given one: a udev link, or the device itself.
TEST(GpsdEntry, IsFoundByTheRealDeviceBehindEitherName) {
  QTemporaryDir folder;
  const std::string device = folder.filePath("ttyUSB0").toStdString();
  const std::string link = folder.filePath("gps0").toStdString();
  ASSERT_TRUE(QFile(QString::fromStdString(device)).open(QIODevice::WriteOnly));
  ASSERT_TRUE(QFile::link(QString::fromStdString(device), QString::fromStdString(link)));
  const std::vector<GpsdDevice> devices{{"/dev/pts/7", true, true}, {link, true, true}};
  const struct {
    std::string asked;
    std::optional<std::string> found;
  } cases[] = {{device, link}, {link, link}, {"/dev/pts/7", "/dev/pts/7"}, {folder.filePath("ttyUSB1").toStdString(), std::nullopt}};
  for (const auto& each : cases) {
    const auto entry = gpsdEntryFor(devices, each.asked);
    EXPECT_EQ(entry ? std::optional(entry->path) : std::nullopt, each.found) << each.asked;
  }
}

}  // namespace
}  // namespace vx
