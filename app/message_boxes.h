// SPDX-License-Identifier: MIT
// The program's message boxes go through one replaceable service, so that
// tests read their texts instead of blocking on a modal window.
#pragma once

#include <QString>

class QWidget;

namespace kestrune {

// The program title: every window's caption, and the title of every message
// box without one of its own.
inline constexpr const char* kProgramTitle = "Kestrune";

enum class MessageIcon { kNone, kWarning, kError, kQuestion };

struct Message {
  MessageIcon icon;
  QString title;
  QString text;
};

class MessageBoxes {
 public:
  virtual ~MessageBoxes() = default;
  // Shows a message with an OK button only and returns when it is closed.
  virtual void show(QWidget* owner, const Message& message) = 0;
  // Asks a question with Yes (the default) and No; true for Yes.
  virtual bool ask(QWidget* owner, const Message& message) = 0;
};

// The service in use: modal QMessageBoxes unless replaced.
MessageBoxes& messageBoxes();
// Replaces the service; nullptr restores the default. Not owned.
void setMessageBoxes(MessageBoxes* service);

}  // namespace kestrune
