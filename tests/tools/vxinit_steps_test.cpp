// SPDX-License-Identifier: MIT
// What vxinit does besides driving the control: the last fix remembered in
// its state file, and what a device is told from the bytes it sends.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QTemporaryDir>
#include <filesystem>
#include <fstream>
#include <functional>

#include "control/core/init_message.h"
#include "tests/support/receiver_bytes.h"
#include "tools/messages/receiver_messages.h"
#include "tools/vxinit/device_speech.h"
#include "tools/vxinit/last_fix.h"

namespace vx {
namespace {

// The position of a valid fix, signed; the sentence itself is read by the
// core's reader (tests/core/nmea_reader_test.cpp).
TEST(LastFix, ReadsTheFixOfAValidRmcSentenceOnly) {
  const auto west = rmcPosition("$GPRMC,090507,A,4222.4036,S,07112.7636,W,23.99,090.0,061226,01.5,W*5B");
  ASSERT_TRUE(west);
  EXPECT_EQ(describe(*west), "42.3734 S 71.2127 W");
  EXPECT_LT(west->latitude, 0);
  EXPECT_FALSE(rmcPosition("$GPRMC,000022,V,4444.2197,N,07500.3856,W,00.00,000.0,290697,14.6,W*56"));
}

TEST(LastFix, StateFileTextRoundTripsAndDamageIsRefused) {
  const GeoPoint utrecht{52.062602, -5.138498};
  const auto back = parseStateFile(stateFileText(utrecht));
  ASSERT_TRUE(back);
  EXPECT_DOUBLE_EQ(back->latitude, utrecht.latitude);
  EXPECT_DOUBLE_EQ(back->longitude, utrecht.longitude);
  for (const char* damaged : {"", "latitude = 52\n", "latitude = 52\nlongitude = x\n", "latitude = 91\nlongitude = 5\n",
                              "latitude 52\nlongitude = 5\n", "latitude = 52\nlongitude = 5\nheight = 3\n",
                              "\x7f" "ELF\x02\x01"}) {
    EXPECT_FALSE(parseStateFile(damaged)) << damaged;
  }
}

TEST(LastFix, StateFileIsReplacedWholeAndAProblemIsNamed) {
  QTemporaryDir folder;
  const std::string path = folder.filePath("last-fix").toStdString();
  EXPECT_FALSE(readStateFile(path).point);
  EXPECT_EQ(readStateFile(path).problem, "");  // missing: the first run
  writeStateFile(path, {52.06, 5.14});
  writeStateFile(path, {-33.9, 151.2});
  const StateFileRead read = readStateFile(path);
  ASSERT_TRUE(read.point);
  EXPECT_EQ(describe(*read.point), "33.9000 S 151.2000 E");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path().toStdString()), {}), 1);  // no leftovers
  std::ofstream(path) << "latitude = 52\n";
  EXPECT_EQ(readStateFile(path).problem, "it does not hold a latitude and a longitude in degrees");
  if (::geteuid() != 0) {  // root reads any file
    ::chmod(path.c_str(), 0);
    EXPECT_EQ(readStateFile(path).problem, "Permission denied");
  }
  EXPECT_THROW(writeStateFile(folder.filePath("no/such/folder/last-fix").toStdString(), {0, 0}), std::runtime_error);
}

// The state file is read only as a regular file of bounded size, at once:
// a pipe, a device or a huge file in its place is named and never read.
TEST(LastFix, OnlyASmallRegularStateFileIsRead) {
  QTemporaryDir folder;
  const std::string path = folder.filePath("last-fix").toStdString();
  struct Case {
    const char* what;
    std::function<void()> make;
    std::string problem;
  };
  const Case cases[] = {
      {"a pipe", [&] { ::mkfifo(path.c_str(), 0600); }, "it is a device or a pipe, not a file"},
      {"a link to /dev/zero", [&] { std::filesystem::create_symlink("/dev/zero", path); },
       "it is a device or a pipe, not a file"},
      {"a folder", [&] { std::filesystem::create_directory(path); }, "it is a folder, not a file"},
      {"100 KiB of comments before a fix",
       [&] { std::ofstream(path) << std::string(100 << 10, '#') << "\nlatitude = 52\nlongitude = 5\n"; },
       "it is larger than 64 KiB, far more than a fix takes"},
  };
  for (const Case& c : cases) {
    std::filesystem::remove_all(path);
    c.make();
    const StateFileRead read = readStateFile(path);
    EXPECT_FALSE(read.point) << c.what;
    EXPECT_EQ(read.problem, c.problem) << c.what;
  }
}

std::string awakeMessage() {
  ReceiverPosition p;
  p.seconds = 5, p.day = 7, p.month = 12, p.year = 2026;
  return positionMessage(p);
}

TEST(DeviceSpeech, ToldFromTheFirstBytesWhateverTheirCut) {
  struct Case {
    const char* what;
    std::string bytes;
    Speech expected;
  };
  const Case cases[] = {
      {"start-up lines", "EARTHA version 1.0\r\nEARTHA\r\n", Speech::kAsleep},
      {"a tail, then start-up", "HA\r\nEARTHA\r\n", Speech::kAsleep},
      {"binary messages", "\x12\x34" + awakeMessage() + awakeMessage(), Speech::kAwake},
      {"NMEA of another receiver", "4*5B\r\n$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*47\r\n",
       Speech::kForeign},
      {"AIS", "!AIVDM,1,1,,B,177KQJ5000G?tO`K>RA1wUbN0TKH,0*5C\r\n", Speech::kForeign},
      {"other binary", std::string(SpeechListener::kMostUnknownBytes + 1, '\x55'), Speech::kForeign},
      {"a sync pair with a broken header", std::string("\xFF\x81\xE8\x03\x31\x00\x00\x00\x00\x00", 10), Speech::kUndecided},
      {"half a line", "EARTH", Speech::kUndecided},
      {"nothing", "", Speech::kUndecided},
  };
  for (const Case& c : cases) {
    for (const std::size_t cut : {std::size_t{1}, std::size_t{7}, c.bytes.size() + 1}) {
      SpeechListener listener;
      for (std::size_t at = 0; at < c.bytes.size(); at += cut) listener.hear(std::string_view(c.bytes).substr(at, cut));
      EXPECT_EQ(listener.verdict(), c.expected) << c.what << ", reads of " << cut;
    }
  }
}

TEST(DeviceSpeech, AVerdictStaysAndSaysWhatWasHeard) {
  SpeechListener listener;
  EXPECT_EQ(listener.hear("$GPGGA,123519,4807.038,N\r\n"), Speech::kForeign);
  EXPECT_EQ(listener.hear("EARTHA\r\n"), Speech::kForeign);
  EXPECT_EQ(listener.foreignWhat(), "NMEA text ($GPGGA,123519,4807.038,N)");
}

}  // namespace
}  // namespace vx
