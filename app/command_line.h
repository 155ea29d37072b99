// SPDX-License-Identifier: MIT
// What Kestrune does with its command line before its first window: the
// help and the version, answered without a window system; a clear word
// when there is no display to open; and Qt's usual message for an option
// it does not know (Qt's own, such as -platform, are Qt's to take).
#pragma once

namespace kestrune {

// The exit status of a command line Kestrune does not understand.
inline constexpr int kExitUsage = 2;
// The exit status of a start without a display to open.
inline constexpr int kExitNoDisplay = 1;

// Answers -h, --help and --version on standard output; true when it did.
bool answeredOnTheTerminal(int argc, char** argv);

// Until QApplication exists: a window system that cannot be opened ends the
// program with kExitNoDisplay and a word that Kestrune needs a display and
// vxinit does without one, in place of Qt's abort.
void explainMissingDisplay();
// Once QApplication exists: Qt's own messages go out as usual again.
void stopExplainingMissingDisplay();

// Once QApplication has taken its own options out of argv: false, after
// Qt's usual message and the usage on standard error, when anything else
// is left.
bool onlyKnownArguments(int argc, char** argv);

}  // namespace kestrune
