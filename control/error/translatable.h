// SPDX-License-Identifier: MIT
// Marks a text of the parts that stay free of Qt for the translators:
// lupdate finds it by Qt's own name, and the program translates it where it
// shows it, with the same context ("vx" for the control's texts). Where Qt
// is included as well, both definitions are the same.
#pragma once

#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif
