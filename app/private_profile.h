// SPDX-License-Identifier: MIT
// The private-profile (INI) file operations Kestrune keeps its settings
// with, under the names and with the arguments of the platform functions it
// was written against.
//
// A file name without a folder resolves in $XDG_CONFIG_HOME (by default
// ~/.config). Section and key names compare without regard to ASCII case;
// values are byte text, trimmed of blanks around them. Lines may end in LF,
// CR LF or a lone CR, and a write keeps the file's ending (its first
// line's) and a UTF-8 byte-order mark at its start.
//
// Only a missing file reads as empty. A file that is there but cannot be
// used (unreadable, not a regular file, larger than 1 MiB) reads as
// missing and is never written: both functions give their failure result
// and leave it byte for byte as it was.
//
// Not QSettings: a write here changes one line or adds one, leaving every
// other section, key, comment and blank line byte for byte as it was, and a
// new key follows the keys already in its section.
#pragma once

#include <cstdint>
#include <string>

// Copies the value of `key` in `section` of `fileName` into `buffer`: at
// most `size` - 1 characters, then one NUL; the characters after the NUL
// are left as they were. Where the file, section or key does not exist,
// copies `defaultText` instead. Returns the count copied, NUL not counted.
uint32_t GetPrivateProfileStringA(const char* section, const char* key, const char* defaultText, char* buffer,
                                  uint32_t size, const char* fileName);

// Sets `key` in `section` of `fileName` to `value`, creating the file (and
// its folder), the section and the key as needed. The file is replaced
// atomically (a temporary file in the same folder, flushed, renamed over
// it, its permissions kept), so a failure or a crash leaves the old file
// whole. Returns nonzero on success; 0 when the file cannot be written, or
// when a name or the value would break the file's lines (a line break, a
// key with "=" or starting with "[" or ";", a section with "]").
int WritePrivateProfileStringA(const char* section, const char* key, const char* value, const char* fileName);

namespace kestrune {

// The path a private-profile file name stands for.
std::string profilePath(const std::string& fileName);

// Why the existing file `fileName` cannot be used ("Permission denied", "it
// is a folder, not a file"); empty when it can, or does not exist.
std::string settingsFileProblem(const std::string& fileName);

}  // namespace kestrune
