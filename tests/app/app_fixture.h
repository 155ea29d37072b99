// SPDX-License-Identifier: MIT
// What the program's tests share: a private configuration folder (settings
// file and port links) and the message boxes recorded instead of shown.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>
#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/message_boxes.h"
#include "tests/support/qt_printers.h"

namespace kestrune::test {

// Runs `step` on the modal screen of type T once it is showing.
template <typename T>
void whenShown(std::function<void(T&)> step) {
  auto* poll = new QTimer;
  QObject::connect(poll, &QTimer::timeout, [poll, step] {
    if (auto* screen = qobject_cast<T*>(QApplication::activeModalWidget()); screen != nullptr && screen->isVisible()) {
      poll->deleteLater();
      step(*screen);
    }
  });
  poll->start(10);
}

class RecordedMessages : public MessageBoxes {
 public:
  void show(QWidget*, const Message& message) override { shown.push_back(message); }
  bool ask(QWidget*, const Message& message) override {
    asked.push_back(message);
    return answerYes;
  }
  std::vector<Message> shown;
  std::vector<Message> asked;  // questions, answered with answerYes
  bool answerYes = false;
};

// Closes a modal window that stays open longer than a test means it to,
// and fails the test: a screen whose modal loop never ends would otherwise
// hang it until CTest's time-out.
class ModalWatchdog : public QObject {
 public:
  explicit ModalWatchdog(std::chrono::seconds limit);
  std::chrono::seconds limit;

 private:
  void check();
  QTimer timer_;
  QPointer<QWidget> watched_;
  QElapsedTimer shownFor_;
};

// Every case starts on UTC, a zone without a reference point, whatever
// the machine's own: a zone with one fills in the location screen.
class AppTest : public ::testing::Test {
 protected:
  AppTest() {
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
    setMessageBoxes(&messages);
    setComputerZone("UTC");
  }
  ~AppTest() override {
    setMessageBoxes(nullptr);
    qunsetenv("XDG_CONFIG_HOME");
    setComputerZone(nullptr);
  }

  // The computer's time zone for this test (a TZ value, "Asia/Kolkata").
  void setComputerZone(const char* zone);

  std::string settingsPath() const { return (config.path() + "/Kestrune.ini").toStdString(); }
  void writeSettings(const std::string& contents) const;
  // The settings file's contents; nothing when there is no file.
  std::optional<std::string> settings() const;

  QTemporaryDir config;
  RecordedMessages messages;
  ModalWatchdog watchdog{std::chrono::seconds(10)};
};

}  // namespace kestrune::test
