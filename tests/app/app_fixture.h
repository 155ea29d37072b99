// What the program's tests share: a private configuration folder (settings
// file and port links) and the message boxes recorded instead of shown.
#pragma once

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <optional>
#include <string>
#include <vector>

#include "message_boxes.h"
#include "qt_printers.h"

namespace kestrune::test {

class RecordedMessages : public MessageBoxes {
 public:
  void show(QWidget*, const Message& message) override { shown.push_back(message); }
  std::vector<Message> shown;
};

class AppTest : public ::testing::Test {
 protected:
  AppTest() {
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
    setMessageBoxes(&messages);
  }
  ~AppTest() override {
    setMessageBoxes(nullptr);
    qunsetenv("XDG_CONFIG_HOME");
  }

  std::string settingsPath() const { return (config.path() + "/Kestrune.ini").toStdString(); }
  void writeSettings(const std::string& contents) const;
  // The settings file's contents; nothing when there is no file.
  std::optional<std::string> settings() const;

  QTemporaryDir config;
  RecordedMessages messages;
};

}  // namespace kestrune::test
