// SPDX-License-Identifier: MIT
// A file replaced whole or not at all: the new contents go to a temporary
// file beside it, reach the disk, and take its place by a rename, so that a
// power cut or a signal leaves the old file or the new one, never half of
// either. What the settings file and vxinit's state file are written with.
#pragma once

#include <optional>
#include <string>
#include <sys/types.h>

namespace vx {

// A file read whole, or why it was not.
struct FileRead {
  std::optional<std::string> contents;  // nothing when missing or unusable
  int error = 0;                        // the system's number: ENOENT when missing
  std::string problem;                  // for people; "" when read or missing
};

// Reads `path` (through its links) only when it is a regular file of at
// most `largest` bytes: opening never waits (a pipe in its place) and a
// device is never read. `tooLarge` says why a larger one is not read.
FileRead readRegularFile(const std::string& path, off_t largest, const std::string& tooLarge);

// Replaces `target` by `contents`, the new file getting `mode`. Returns 0,
// or the errno of the step that failed; the temporary file is then gone
// and `target` untouched. The folder must exist.
int replaceWholeFile(const std::string& target, const std::string& contents, mode_t mode);

}  // namespace vx
