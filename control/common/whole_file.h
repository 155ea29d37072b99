// SPDX-License-Identifier: MIT
// A file replaced whole or not at all: the new contents go to a temporary
// file beside it, reach the disk, and take its place by a rename, so that a
// power cut or a signal leaves the old file or the new one, never half of
// either. What the settings file and vxinit's state file are written with.
#pragma once

#include <string>
#include <sys/types.h>

namespace vx {

// Replaces `target` by `contents`, the new file getting `mode`. Returns 0,
// or the errno of the step that failed; the temporary file is then gone
// and `target` untouched. The folder must exist.
int replaceWholeFile(const std::string& target, const std::string& contents, mode_t mode);

}  // namespace vx
