// SPDX-License-Identifier: MIT
// The settings file: the INI read and write, and readSetting.
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <cerrno>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <thread>

#include "app/location_screen.h"
#include "app/monitor_screen.h"
#include "app/termination_signals.h"
#include "control/host/late_bound.h"
#include "serial/port_link.h"
#include "settings/ini_strings.h"
#include "settings/settings_file.h"
#include "tests/app/app_fixture.h"
#include "tests/app/forked_child.h"
#include "tests/support/pty_receiver.h"

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
  EXPECT_EQ(readIniString("Settings", "Long", "", buffer, 4, "Kestrune.ini"), 3u);
  EXPECT_EQ(std::string(buffer, 10), std::string("abc\0ZZZZZZ", 10));
  EXPECT_EQ(readIniString("Settings", "None", "dflt", buffer, 10, "Kestrune.ini"), 4u);
  EXPECT_STREQ(buffer, "dflt");
}

TEST_F(SettingsFile, WritesKeysInOrderIntoANewFileAndFolder) {
  qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path() + "/not/yet"));
  for (const char* key : {"Lat", "Long", "LatHem"}) {
    EXPECT_NE(writeIniString("Settings", key, "v", "Kestrune.ini"), 0);
  }
  EXPECT_NE(writeIniString("Settings", "Lat", "w", "Kestrune.ini"), 0);
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
    EXPECT_NE(writeIniString("Settings", c.key, "9", "Kestrune.ini"), 0);
    EXPECT_EQ(settings(), c.after) << c.before;
  }
}

TEST_F(SettingsFile, WriteIsAtomicKeepsPermissionsAndRefusesWhatWouldBreakLines) {
  writeSettings("[Settings]\nLat=1\n");
  ::chmod(settingsPath().c_str(), 0640);
  EXPECT_NE(writeIniString("Settings", "Lat", "2", "Kestrune.ini"), 0);
  struct stat status {};
  ASSERT_EQ(::stat(settingsPath().c_str(), &status), 0);
  EXPECT_EQ(status.st_mode & 0777, 0640u);
  EXPECT_EQ(QDir(config.path()).entryList(QDir::Files), QStringList{"Kestrune.ini"});  // no temporary left

  for (const auto& [key, value] : {std::pair{"Lat", "2\nAutoExit=1"}, std::pair{"Lat\r", "2"}, std::pair{"[Lat]", "2"},
                                   std::pair{"L=at", "2"}, std::pair{"", "2"}}) {
    EXPECT_EQ(writeIniString("Settings", key, value, "Kestrune.ini"), 0) << key;
  }
  EXPECT_EQ(settings(), "[Settings]\nLat=2\n");
  // A folder that cannot hold the file: the write fails and says so.
  EXPECT_EQ(writeIniString("Settings", "Lat", "3", "/proc/Kestrune.ini"), 0);
}

// A save outlives a power cut: the new file synced, renamed over the old,
// then its folder synced, which holds the rename. As the kernel saw it.
TEST_F(SettingsFile, ASaveSyncsTheNewFileThenTheFolderThatHoldsTheRename) {
  writeSettings("[Settings]\nLat=1\n");
  const auto steps = syncsAndRenamesOf([] { writeIniString("Settings", "Lat", "2", "Kestrune.ini"); });
  if (!steps) GTEST_SKIP() << "a child cannot be traced here";
  const std::string folder = std::filesystem::canonical(config.path().toStdString());
  ASSERT_EQ(steps->size(), 3u) << testing::PrintToString(*steps);
  EXPECT_TRUE((*steps)[0].starts_with(folder + "/Kestrune.ini.")) << (*steps)[0];
  EXPECT_EQ((*steps)[1], "rename");
  EXPECT_EQ((*steps)[2], folder);
  EXPECT_EQ(settings(), "[Settings]\nLat=2\n");
}

// Only a missing file reads as empty. A file that is there but cannot be
// used is never written and stays byte for byte; one that cannot be read
// reads as the default, a read-only one as it stands; the location screen
// says so once. The unreadable file is tried as an unprivileged user, since
// root reads every file.
TEST_F(SettingsFile, AFileThatCannotBeUsedIsLeftAloneAndTheUserIsTold) {
  const QString path = QString::fromStdString(settingsPath());
  const std::string kept = "; mine\n[Other]\nA=1\n[Settings]\nLat=52.1\n";
  const std::string huge = kept + std::string(1 << 20, ';');
  struct Case {
    const char* what;
    std::function<void()> make;
    const char* problem;
    std::optional<std::string> file;  // what a regular file holds, to stay byte for byte
    bool read = false;                // read all the same, only never written
    bool asUnprivilegedUser = false;
  };
  const Case cases[] = {
      {"a folder", [&] { QDir().mkpath(path); }, "it is a folder, not a file", {}},
      {"a link to /dev/zero", [&] { QFile::link("/dev/zero", path); }, "it is a device or a pipe, not a file", {}},
      {"a link to /dev/full", [&] { QFile::link("/dev/full", path); }, "it is a device or a pipe, not a file", {}},
      {"a pipe", [&] { ::mkfifo(settingsPath().c_str(), 0600); }, "it is a device or a pipe, not a file", {}},
      {"over 1 MiB", [&] { writeSettings(huge); }, "it is larger than 1 MiB, far more than settings take", huge},
      {"a link to a drive not mounted", [&] { QFile::link("/nonexistent-drive/Kestrune.ini", path); },
       "it links to /nonexistent-drive/Kestrune.ini, whose folder /nonexistent-drive does not exist", {}},
      {"read-only", [&] { writeSettings(kept), ::chmod(settingsPath().c_str(), 0444); }, "it is read-only", kept,
       true},
      {"unreadable", [&] { writeSettings(kept), ::chmod(settingsPath().c_str(), 0); }, "Permission denied", kept,
       false, true},
  };
  const auto check = [&](const Case& c) {
    c.make();
    const QString linkTarget = QFileInfo(path).symLinkTarget();
    EXPECT_EQ(readSetting("Kestrune.ini", "Settings", "Lat"), c.read ? "52.1" : "") << c.what;
    EXPECT_EQ(writeIniString("Settings", "Lat", "1", "Kestrune.ini"), 0) << c.what;
    EXPECT_EQ(QFileInfo(path).symLinkTarget(), linkTarget) << c.what;
    EXPECT_EQ(
        QDir(config.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System | QDir::Hidden).size(), 1)
        << c.what;  // no temporary left
    messages.shown.clear();
    {
      LocationScreen location(nullptr);
      EXPECT_EQ(location.latitudeEdit->text(), c.read ? "52.1" : "") << c.what;
    }
    ASSERT_EQ(messages.shown.size(), 1u) << c.what;
    EXPECT_EQ(messages.shown[0].text, (c.read ? "Kestrune will not change its settings file "
                                              : "Kestrune cannot read its settings file ") +
                                          path + ": " + c.problem + ". Your settings will not be saved.");
    if (c.file) {
      ::chmod(settingsPath().c_str(), 0600);
      EXPECT_EQ(settings(), c.file) << c.what;
    }
  };
  for (const Case& c : cases) {
    if (c.asUnprivilegedUser) {
      EXPECT_EQ(runInChild([&] {
                  becomeUnprivileged(config.path().toStdString());
                  check(c);
                }),
                0)
          << c.what;
    } else {
      check(c);
    }
    QFileInfo(path).isDir() ? QDir(path).removeRecursively() : QFile::remove(path);
  }
  messages.shown.clear();
  LocationScreen location(nullptr);  // no file at all: nothing to tell
  EXPECT_TRUE(messages.shown.empty());
}

// A settings file that is a link is the user's choice of place: a save
// replaces the file it leads to (made where it is missing), and the link
// stays.
TEST_F(SettingsFile, ALinkIsWrittenThroughToItsTarget) {
  const QString path = QString::fromStdString(settingsPath());
  QDir(config.path()).mkpath("elsewhere/deeper");
  struct Case {
    const char* linkTo;        // as the link says it
    const char* target;        // below the configuration folder
    const char* before;        // nothing: the target is missing
  };
  const Case cases[] = {
      {"elsewhere/mine.ini", "elsewhere/mine.ini", "[Settings]\nLat=1\n"},
      {"elsewhere/new.ini", "elsewhere/new.ini", nullptr},
      {"chain", "elsewhere/deeper/last.ini", "[Settings]\nLat=1\n"},  // a link to a link
  };
  QFile::link("elsewhere/deeper/last.ini", config.path() + "/chain");
  for (const Case& c : cases) {
    const QString target = config.path() + "/" + c.target;
    if (c.before != nullptr) std::ofstream(target.toStdString()) << c.before;
    QFile::link(c.linkTo, path);
    EXPECT_NE(writeIniString("Settings", "Lat", "2", "Kestrune.ini"), 0) << c.linkTo;
    EXPECT_EQ(QFileInfo(path).symLinkTarget(), QFileInfo(config.path() + "/" + c.linkTo).absoluteFilePath());
    QFile written(target);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly)) << c.target;
    EXPECT_EQ(written.readAll(), "[Settings]\nLat=2\n");
    EXPECT_EQ(readSetting("Kestrune.ini", "Settings", "Lat"), "2");
    EXPECT_EQ(QDir(QFileInfo(target).path()).entryList(QDir::Files | QDir::Hidden).filter(".ini.").size(), 0);
    QFile::remove(path);
  }
}

// A save that fails says why with the system's own number: a full disk
// here, a tmpfs of 64 KiB in a mount namespace of the test's own. The old
// file stays whole and no temporary is left.
TEST_F(SettingsFile, ASaveOnAFullDiskFailsWithTheSystemsReason) {
  const int status = runInChild([&] {
    mountSmallFileSystem(config.path().toStdString(), 64 * 1024);
    writeSettings("[Settings]\nLat=1\n");
    std::ofstream filler(config.path().toStdString() + "/filler", std::ios::binary);
    const std::string block(4096, 'x');
    while (filler.write(block.data(), block.size())) filler.flush();
    errno = 0;
    EXPECT_EQ(writeIniString("Settings", "Lat", std::string(8000, '2').c_str(), "Kestrune.ini"), 0);
    EXPECT_EQ(errno, ENOSPC);
    EXPECT_EQ(settings(), "[Settings]\nLat=1\n");
    EXPECT_EQ(QDir(config.path()).entryList(QDir::Files, QDir::Name), QStringList({"Kestrune.ini", "filler"}));
  });
  if (status == kChildCannotSetUp) GTEST_SKIP() << "a private mount namespace is not allowed here";
  EXPECT_EQ(status, 0);
}

// Exit after a fix when the save fails: the user is told once, with the
// system's reason, and the screen ends as it would have; the old file stays.
TEST_F(SettingsFile, ExitTellsOnceThatTheSettingsCouldNotBeSavedAndWhy) {
  vx::test::PtyReceiver receiver;
  const std::string folder = config.path().toStdString();
  struct Case {
    const char* what;
    std::function<void()> makeSavesFail;  // before the screens open
    const char* reason;
  };
  const Case cases[] = {
      {"a read-only folder",
       [&] {
         ::chmod(receiver.devicePath().c_str(), 0666);  // the unprivileged user opens the port too
         becomeUnprivileged(folder);
         ::chmod(folder.c_str(), 0555);
       },
       "Permission denied"},
      {"a full disk",
       [&] {
         mountSmallFileSystem(folder, 64 * 1024);
         writeSettings("[Settings]\nAutoExit=0\n");
         vx::linkPort(1, receiver.devicePath());
         std::ofstream filler(folder + "/filler", std::ios::binary);
         const std::string block(4096, 'x');
         while (filler.write(block.data(), block.size())) filler.flush();
       },
       "No space left on device"},
  };
  for (const Case& c : cases) {
    writeSettings("[Settings]\nAutoExit=0\n");
    vx::linkPort(1, receiver.devicePath());
    const int status = runInChild([&] {
      c.makeSavesFail();
      LocationScreen location(nullptr);
      location.latitudeEdit->setText("37.8136");
      location.longitudeEdit->setText("144.67");
      MonitorScreen monitor(&location);
      const QString fix = "$GPRMC,123456,A,3348.1234,S,15112.3456,E,00.00,000.0,251299,,*09";
      vx::LateBound(monitor.gpsControl).call("addmsg", {fix});
      QMetaObject::invokeMethod(monitor.gpsControl, "OnComm");
      monitor.exitButton->click();
      EXPECT_TRUE(monitor.isUnloaded()) << c.what;
      ASSERT_EQ(messages.shown.size(), 1u) << c.what;
      EXPECT_EQ(messages.shown[0].text, "Kestrune could not save your settings in " + config.path() +
                                            "/Kestrune.ini: " + c.reason + ".");
      EXPECT_EQ(settings(), "[Settings]\nAutoExit=0\n") << c.what;
    });
    ::chmod(folder.c_str(), 0700);
    if (status == kChildCannotSetUp) {
      std::cout << "note: " << c.what << " is not tried: it cannot be set up here\n";
      continue;
    }
    EXPECT_EQ(status, 0) << c.what;
  }
}

// SIGTERM while a large file is saved ends the program only once the save is
// whole: never a temporary file left, never a torn settings file. The child
// has what the program has: the signals held from its start, threads that
// hold nothing of their own (Qt's X event reader and D-Bus connection), and
// the signals taken between two pieces of work. The signal lands at twenty
// points spread over one save.
TEST_F(SettingsFile, ASignalDuringASaveTakesEffectWhenTheSaveIsWhole) {
  const std::string big = "[Settings]\n" + std::string(900000, ';') + "\nLat=";
  constexpr int kAttempts = 20;
  for (int attempt = 0; attempt < kAttempts; ++attempt) {
    writeSettings(big + "0\n");
    int saved[2];
    ASSERT_EQ(::pipe(saved), 0);
    const pid_t child = ::fork();
    if (child == 0) {
      holdTerminationSignals();
      for (int thread = 0; thread < 2; ++thread) std::thread([] { for (;;) ::pause(); }).detach();
      const TerminationSignals taken;
      for (int round = 1;; ++round) {
        writeIniString("Settings", "Lat", std::to_string(round).c_str(), "Kestrune.ini");
        taken.endIfArrived([] {});
        if (round <= 2 && ::write(saved[1], "s", 1) != 1) ::_exit(1);
      }
    }
    ::close(saved[1]);
    char done = 0;
    ASSERT_EQ(::read(saved[0], &done, 1), 1);
    const auto firstSaved = std::chrono::steady_clock::now();
    ASSERT_EQ(::read(saved[0], &done, 1), 1);
    const auto oneSave = std::chrono::steady_clock::now() - firstSaved;
    ::close(saved[0]);
    std::this_thread::sleep_for(oneSave * attempt / kAttempts);
    ::kill(child, SIGTERM);
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM);
    const QStringList left = QDir(config.path()).entryList(QDir::Files);
    EXPECT_EQ(left, QStringList{"Kestrune.ini"}) << "attempt " << attempt;
    for (const QString& file : left) {
      if (file != "Kestrune.ini") QFile::remove(config.path() + "/" + file);
    }
    EXPECT_EQ(settings()->rfind(big, 0), 0u);
  }
}

}  // namespace
}  // namespace kestrune::test
