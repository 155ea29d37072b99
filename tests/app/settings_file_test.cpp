// SPDX-License-Identifier: MIT
// The settings file: the private-profile read and write, and readSetting.
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <functional>
#include <iostream>

#include "app_fixture.h"
#include "location_screen.h"
#include "private_profile.h"
#include "settings_file.h"

namespace kestrune::test {
namespace {

using SettingsFile = AppTest;

struct ReadCase {
  const char* file;
  const char* section;
  const char* key;
  const char* value;
};

TEST_F(SettingsFile, ReadsTheTrimmedValueOfTheNamedSectionAndKey) {
  const ReadCase cases[] = {
      {"[Settings]\nLat=52.1\n", "Settings", "Lat", "52.1"},
      {"[settings]\nlAT=52.1\n", "SETTINGS", "Lat", "52.1"},  // names compare without case
      {"[Settings]\r\nLat=52.1\r\nLong=5\r\n", "Settings", "Lat", "52.1"},
      {"[ Settings ]\n  Lat  =   52.1   \n", "Settings", "Lat", "52.1"},
      {"[Other]\nLat=1\n[Settings]\nLong=2\n", "Settings", "Lat", ""},
      {"[Settings]\n;Lat=9\nLat=3\n", "Settings", "Lat", "3"},
      {"[Settings]\nLat=\n", "Settings", "Lat", ""},
      {"[Settings]\nLat=1", "Settings", "Lat", "1"},                          // no line ending at the end
      {"[Settings]\n=7\n", "Settings", "", ""},                               // an empty key is never looked up
      {"\xEF\xBB\xBF[Settings]\r\nLat=52.1\r\n", "Settings", "Lat", "52.1"},  // a byte-order mark is skipped
      {"[Settings]\rLong=5\rLat=52.1\r", "Settings", "Lat", "52.1"},          // a lone CR ends a line
  };
  for (const ReadCase& c : cases) {
    writeSettings(c.file);
    EXPECT_EQ(readSetting("Kestrune.ini", c.section, c.key), c.value) << c.file;
  }
  QFile::remove(QString::fromStdString(settingsPath()));
  EXPECT_EQ(readSetting("Kestrune.ini", "Settings", "Lat"), "");
  EXPECT_EQ(readSetting("", "Settings", "Lat"), "");
}

TEST_F(SettingsFile, ReadCutsAt511CharactersAndKeepsTheBufferBehindTheNul) {
  writeSettings("[Settings]\nLat=" + std::string(600, 'x') + "\nLong=abcdef\n");
  EXPECT_EQ(readSetting("Kestrune.ini", "Settings", "Lat"), QString(511, 'x'));

  char buffer[] = "ZZZZZZZZZZ";
  EXPECT_EQ(GetPrivateProfileStringA("Settings", "Long", "", buffer, 4, "Kestrune.ini"), 3u);
  EXPECT_EQ(std::string(buffer, 10), std::string("abc\0ZZZZZZ", 10));
  EXPECT_EQ(GetPrivateProfileStringA("Settings", "None", "dflt", buffer, 10, "Kestrune.ini"), 4u);
  EXPECT_STREQ(buffer, "dflt");
}

TEST_F(SettingsFile, WritesKeysInOrderIntoANewFileAndFolder) {
  qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path() + "/not/yet"));
  for (const char* key : {"Lat", "Long", "LatHem"}) {
    EXPECT_NE(WritePrivateProfileStringA("Settings", key, "v", "Kestrune.ini"), 0);
  }
  EXPECT_NE(WritePrivateProfileStringA("Settings", "Lat", "w", "Kestrune.ini"), 0);
  QFile file(config.path() + "/not/yet/Kestrune.ini");
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll(), "[Settings]\nLat=w\nLong=v\nLatHem=v\n");
}

TEST_F(SettingsFile, WriteKeepsEverythingElseByteForByte) {
  struct WriteCase {
    const char* before;
    const char* key;
    const char* after;
  };
  const WriteCase cases[] = {
      // a new key follows the keys of its section, before its comments and blank lines
      {"; mine\n[Other]\nA=1\n\n[Settings]\nLat=1\n; note\n\n[Third]\nB=2", "Long",
       "; mine\n[Other]\nA=1\n\n[Settings]\nLat=1\nLong=9\n; note\n\n[Third]\nB=2"},
      // a replaced key keeps its spelling and the file its CR LF line endings
      {"[SETTINGS]\r\nlong=1\r\nTZ=3\r\n", "Long", "[SETTINGS]\r\nlong=9\r\nTZ=3\r\n"},
      // a missing section is added at the end
      {"[Other]\nA=1", "Long", "[Other]\nA=1\n[Settings]\nLong=9\n"},
      // a byte-order mark stays, and no second section is made
      {"\xEF\xBB\xBF[Settings]\r\nLat=1\r\n", "Long", "\xEF\xBB\xBF[Settings]\r\nLat=1\r\nLong=9\r\n"},
      // lone CR line endings stay lone CRs
      {"[Settings]\rLat=1\rLong=2\r", "Long", "[Settings]\rLat=1\rLong=9\r"},
      {"[Settings]\rLat=1", "Long", "[Settings]\rLat=1\rLong=9\r"},
  };
  for (const WriteCase& c : cases) {
    writeSettings(c.before);
    EXPECT_NE(WritePrivateProfileStringA("Settings", c.key, "9", "Kestrune.ini"), 0);
    EXPECT_EQ(settings(), c.after) << c.before;
  }
}

TEST_F(SettingsFile, WriteIsAtomicKeepsPermissionsAndRefusesWhatWouldBreakLines) {
  writeSettings("[Settings]\nLat=1\n");
  ::chmod(settingsPath().c_str(), 0640);
  EXPECT_NE(WritePrivateProfileStringA("Settings", "Lat", "2", "Kestrune.ini"), 0);
  struct stat status {};
  ASSERT_EQ(::stat(settingsPath().c_str(), &status), 0);
  EXPECT_EQ(status.st_mode & 0777, 0640u);
  EXPECT_EQ(QDir(config.path()).entryList(QDir::Files), QStringList{"Kestrune.ini"});  // no temporary left

  for (const auto& [key, value] : {std::pair{"Lat", "2\nAutoExit=1"}, std::pair{"Lat\r", "2"}, std::pair{"[Lat]", "2"},
                                   std::pair{"L=at", "2"}, std::pair{"", "2"}}) {
    EXPECT_EQ(WritePrivateProfileStringA("Settings", key, value, "Kestrune.ini"), 0) << key;
  }
  EXPECT_EQ(settings(), "[Settings]\nLat=2\n");
  // A folder that cannot hold the file: the write fails and says so.
  EXPECT_EQ(WritePrivateProfileStringA("Settings", "Lat", "3", "/proc/Kestrune.ini"), 0);
}

// Only a missing file reads as empty. A file that is there but cannot be
// used reads as the default, is never written, stays byte for byte, and the
// location screen says so once.
TEST_F(SettingsFile, AFileThatCannotBeUsedIsNeitherReadNorWrittenAndTheUserIsTold) {
  const QString path = QString::fromStdString(settingsPath());
  const std::string kept = "; mine\n[Other]\nA=1\n[Settings]\nLat=52.1\n";
  const std::string huge = kept + std::string(1 << 20, ';');
  struct Case {
    const char* what;
    std::function<void()> make;
    const char* problem;
    std::optional<std::string> file;  // what a regular file holds, to stay byte for byte
  };
  const Case cases[] = {
      {"a folder", [&] { QDir().mkpath(path); }, "it is a folder, not a file", {}},
      {"a link to /dev/zero", [&] { QFile::link("/dev/zero", path); }, "it is a device or a pipe, not a file", {}},
      {"a link to /dev/full", [&] { QFile::link("/dev/full", path); }, "it is a device or a pipe, not a file", {}},
      {"a pipe", [&] { ::mkfifo(settingsPath().c_str(), 0600); }, "it is a device or a pipe, not a file", {}},
      {"over 1 MiB", [&] { writeSettings(huge); }, "it is larger than 1 MiB, far more than settings take", huge},
      {"unreadable", [&] { writeSettings(kept), ::chmod(settingsPath().c_str(), 0); }, "Permission denied", kept},
  };
  for (const Case& c : cases) {
    if (std::string(c.what) == "unreadable" && ::geteuid() == 0) {
      std::cout << "note: the unreadable file is not tried as root, who reads every file; run as a user for it\n";
      continue;
    }
    c.make();
    const QString linkTarget = QFileInfo(path).symLinkTarget();
    EXPECT_EQ(readSetting("Kestrune.ini", "Settings", "Lat"), "") << c.what;
    EXPECT_EQ(WritePrivateProfileStringA("Settings", "Lat", "1", "Kestrune.ini"), 0) << c.what;
    EXPECT_EQ(QFileInfo(path).symLinkTarget(), linkTarget) << c.what;
    EXPECT_EQ(
        QDir(config.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System | QDir::Hidden).size(), 1)
        << c.what;  // no temporary left
    messages.shown.clear();
    {
      LocationScreen location(nullptr);
      EXPECT_EQ(location.latitudeEdit->text(), "") << c.what;
    }
    ASSERT_EQ(messages.shown.size(), 1u) << c.what;
    EXPECT_EQ(messages.shown[0].text, "Kestrune cannot read its settings file " + path + ": " + c.problem +
                                          ". Your settings will not be saved.");
    if (c.file) {
      ::chmod(settingsPath().c_str(), 0600);
      EXPECT_EQ(settings(), c.file) << c.what;
    }
    QFileInfo(path).isDir() ? QDir(path).removeRecursively() : QFile::remove(path);
  }
  messages.shown.clear();
  LocationScreen location(nullptr);  // no file at all: nothing to tell
  EXPECT_TRUE(messages.shown.empty());
}

// SIGTERM while a large file is saved ends the program only once the save is
// whole: never a temporary file left, never a torn settings file.
TEST_F(SettingsFile, ASignalDuringASaveTakesEffectWhenTheSaveIsWhole) {
  const std::string big = "[Settings]\n" + std::string(900000, ';') + "\nLat=";
  for (int attempt = 0; attempt < 20; ++attempt) {
    writeSettings(big + "0\n");
    const pid_t child = ::fork();
    if (child == 0) {
      for (int round = 1;; ++round)
        WritePrivateProfileStringA("Settings", "Lat", std::to_string(round).c_str(), "Kestrune.ini");
    }
    ::usleep(2000 + attempt * 1500);
    ::kill(child, SIGTERM);
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM);
    EXPECT_EQ(QDir(config.path()).entryList(QDir::Files), QStringList{"Kestrune.ini"}) << "attempt " << attempt;
    EXPECT_EQ(settings()->rfind(big, 0), 0u);
  }
}

}  // namespace
}  // namespace kestrune::test
