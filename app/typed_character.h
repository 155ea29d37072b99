// SPDX-License-Identifier: MIT
// The character a key press types, as a key-press handler sees it: the
// character itself (kBackspace for Backspace, control codes for Ctrl with a
// letter), or nothing for keys that type no character (arrows, Delete,
// Shift+Insert) and for the keys that move the focus or press a button
// (Tab, Enter, Esc), which never reach a box's handler.
#pragma once

#include <QChar>
#include <optional>

class QKeyEvent;

namespace kestrune {

// The character Backspace types: the control code 8.
inline constexpr QChar kBackspace{u'\b'};

std::optional<QChar> typedCharacter(const QKeyEvent& event);

// Whether the key press is one of the clipboard and undo keys as this
// desktop binds them (select all, copy, cut, paste, undo, redo: Ctrl+A, C,
// X, V, Z, Shift+Insert...), which edit a box rather than type into it.
bool isEditingShortcut(const QKeyEvent& event);

}  // namespace kestrune
