// The settings file: the private-profile read and write, and ReadSetting.
#include <sys/stat.h>

#include <QDir>

#include "app_fixture.h"
#include "global.h"
#include "private_profile.h"

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
      {"[Settings]\nLat=1", "Settings", "Lat", "1"},  // no line ending at the end
      {"[Settings]\n=7\n", "Settings", "", ""},       // an empty key is never looked up
  };
  for (const ReadCase& c : cases) {
    writeSettings(c.file);
    EXPECT_EQ(ReadSetting("Kestrune.ini", c.section, c.key), c.value) << c.file;
  }
  QFile::remove(QString::fromStdString(settingsPath()));
  EXPECT_EQ(ReadSetting("Kestrune.ini", "Settings", "Lat"), "");
  EXPECT_EQ(ReadSetting("", "Settings", "Lat"), "");
}

TEST_F(SettingsFile, ReadCutsAt511CharactersAndKeepsTheBufferBehindTheNul) {
  writeSettings("[Settings]\nLat=" + std::string(600, 'x') + "\nLong=abcdef\n");
  EXPECT_EQ(ReadSetting("Kestrune.ini", "Settings", "Lat"), QString(511, 'x'));

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

  for (const auto& [key, value] : {std::pair{"Lat", "2\nAutoExit=1"}, std::pair{"Lat\r", "2"},
                                   std::pair{"[Lat]", "2"}, std::pair{"L=at", "2"}, std::pair{"", "2"}}) {
    EXPECT_EQ(WritePrivateProfileStringA("Settings", key, value, "Kestrune.ini"), 0) << key;
  }
  EXPECT_EQ(settings(), "[Settings]\nLat=2\n");
  // A folder that cannot hold the file: the write fails and says so.
  EXPECT_EQ(WritePrivateProfileStringA("Settings", "Lat", "3", "/proc/Kestrune.ini"), 0);
}

}  // namespace
}  // namespace kestrune::test
