// SPDX-License-Identifier: MIT
#include "app/typed_character.h"

#include <QKeyEvent>

namespace kestrune {

std::optional<QChar> typedCharacter(const QKeyEvent& event) {
  switch (event.key()) {
    case Qt::Key_Backspace: return kBackspace;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
      return std::nullopt;
    default: break;
  }
  const bool control = event.modifiers().testFlag(Qt::ControlModifier);
  if (control && event.key() >= Qt::Key_A && event.key() <= Qt::Key_Z) {
    return QChar(static_cast<char16_t>(event.key() - Qt::Key_A + 1));  // Ctrl+A is 1, Ctrl+Z 26
  }
  if (event.text().isEmpty()) return std::nullopt;
  return event.text().at(0);
}

bool isEditingShortcut(const QKeyEvent& event) {
  for (const auto key : {QKeySequence::SelectAll, QKeySequence::Copy, QKeySequence::Cut, QKeySequence::Paste,
                         QKeySequence::Undo, QKeySequence::Redo}) {
    if (event.matches(key)) return true;
  }
  return false;
}

}  // namespace kestrune
