// SPDX-License-Identifier: MIT
// The INI file operations Kestrune keeps its settings with: one value read
// into a caller's buffer, one value written. They join the file work
// (profile_file.h: where the file lives, which files are read and written,
// the whole-file replace) and the editing of its text (profile_text.h: names
// without case, lines kept byte for byte).
//
// Not QSettings: a write here changes one line or adds one, leaving every
// other section, key, comment and blank line byte for byte as it was, and a
// new key follows the keys already in its section.
#pragma once

#include <cstdint>
#include <string>

namespace kestrune {

// Copies the value of `key` in `section` of `fileName` into `buffer`: at
// most `size` - 1 characters, then one NUL; the characters after the NUL
// are left as they were. Where the file, section or key does not exist, or
// the file cannot be read, copies `defaultText` instead. Returns the count
// copied, NUL not counted.
uint32_t readIniString(const char* section, const char* key, const char* defaultText, char* buffer, uint32_t size,
                       const char* fileName);

// Sets `key` in `section` of `fileName` to `value`, creating the file (and
// its folder), the section and the key as needed, and replacing the file
// whole. Returns nonzero on success; 0 with errno saying why when the file
// cannot be written (ENOSPC on a full disk, EACCES for a read-only folder
// or file), or when a name or the value would break the file's lines
// (EINVAL).
int writeIniString(const char* section, const char* key, const char* value, const char* fileName);

// Why the existing file `fileName` must be left as it is ("Permission
// denied", "it is a folder, not a file", "it is read-only"), and whether it
// is read all the same; no problem when it can be used, or does not exist.
struct SettingsFileProblem {
  std::string problem;
  bool read = false;
};
SettingsFileProblem settingsFileProblem(const std::string& fileName);

}  // namespace kestrune
