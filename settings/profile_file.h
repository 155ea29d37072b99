// SPDX-License-Identifier: MIT
// The file work of the INI operations: where a profile file
// lives, reading it safely, and replacing it whole. What the file says is
// profile_text.h's business.
//
// Only a missing file reads as empty. A file that is there but cannot be
// read (unreadable, not a regular file, larger than kLargestProfileFile, a
// link whose target's folder does not exist) reads as missing and is never
// written. A file the user made read-only is read but never written. A
// link whose target's folder exists is read and written through: the
// target is replaced, the link stays.
//
// A replace is not guarded against signals: the program holds the signals
// that end it in every thread (termination_signals.h), so that none ends it
// while a temporary file exists.
#pragma once

#include <sys/types.h>

#include <optional>
#include <string>

namespace kestrune {

// No settings file of this program comes near this; a larger one is not read.
inline constexpr off_t kLargestProfileFileMiB = 1;
inline constexpr off_t kLargestProfileFile = kLargestProfileFileMiB << 20;

// The path an INI file name stands for: a name without a folder
// resolves in $XDG_CONFIG_HOME (by default ~/.config).
std::string profilePath(const std::string& fileName);

// A profile file as found.
struct ProfileFile {
  // What it holds: "" when it is missing; nothing when it cannot be read.
  std::optional<std::string> contents;
  // Where a write goes: the path itself, or the file a link there leads to.
  std::string target;
  // Why it must be left as it is ("Permission denied", "it is read-only");
  // empty when it may be replaced.
  std::string problem;
  // The system's number for that problem (EACCES, EISDIR); 0 with none.
  int error = 0;
};

ProfileFile findProfileFile(const std::string& path);

// Replaces `target` with `contents`: a temporary file in the same folder,
// flushed, its permissions those of the file it replaces, renamed over it,
// so a failure or a crash leaves the old file whole and a reader sees the
// old file or the new one. Creates the folder as needed. Returns 0, or the
// system's number for the step that failed (ENOSPC on a full disk); no
// temporary file is left either way.
int replaceProfileFile(const std::string& target, const std::string& contents);

}  // namespace kestrune
