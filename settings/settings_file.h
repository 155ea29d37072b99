// SPDX-License-Identifier: MIT
// The program's settings file (setting_value.h) as the program reads it,
// in Qt's strings, and what it tells the user of it. The keys are in
// settings_keys.h; the file work itself is the INI operations'
// (ini_strings.h).
#pragma once

#include <QString>

#include "settings/setting_value.h"

namespace kestrune {

// settingValue() in Qt's strings.
QString readSetting(const QString& fileName, const QString& section, const QString& key);

// What the location screen tells the user, once per run, of a settings file
// that is there but must be left as it is (unreadable, read-only, a link to
// a folder that is not there); empty when the file can be used or is missing.
QString settingsFileWarning();

// What Exit tells the user when saving the settings failed with the system
// error `error`: the file and the system's own text. Empty where the file
// is one settingsFileWarning() has already told of.
QString settingsNotSavedWarning(int error);

}  // namespace kestrune
