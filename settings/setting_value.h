// SPDX-License-Identifier: MIT
// The program's settings file, "Kestrune.ini", section "Settings", and its
// one reader of a value, without Qt: what settings_file.h reads with, and
// what vxinit reads the last fix with.
#pragma once

#include <string>

namespace kestrune {

inline constexpr const char* kSettingsFile = "Kestrune.ini";
inline constexpr const char* kSettingsSection = "Settings";

// The trimmed value of `key` in `section` of the settings file `fileName`,
// at most 511 characters; "" when there is none, and without touching the
// file when an argument is empty.
std::string settingValue(const std::string& fileName, const std::string& section, const std::string& key);

}  // namespace kestrune
