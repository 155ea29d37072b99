// SPDX-License-Identifier: MIT
// The program's settings file, "Kestrune.ini", section "Settings", and its
// one reader. The keys are in settings_keys.h; the file work itself is the
// private-profile functions' (private_profile.h).
#pragma once

#include <QString>

namespace kestrune {

inline constexpr const char* kSettingsFile = "Kestrune.ini";
inline constexpr const char* kSettingsSection = "Settings";

// The trimmed value of `key` in `section` of the settings file `fileName`,
// at most 511 characters; "" when there is none, and without touching the
// file when an argument is empty.
QString readSetting(const QString& fileName, const QString& section, const QString& key);

}  // namespace kestrune
