// SPDX-License-Identifier: MIT
#include "settings/settings_file.h"

#include <QCoreApplication>
#include <cstring>
#include <string>

#include "settings/ini_strings.h"
#include "settings/profile_file.h"

namespace kestrune {
namespace {

QString settingsPath() { return QString::fromStdString(profilePath(kSettingsFile)); }

}  // namespace

QString readSetting(const QString& fileName, const QString& section, const QString& key) {
  return QString::fromLatin1(settingValue(fileName.toLatin1().toStdString(), section.toLatin1().toStdString(),
                                          key.toLatin1().toStdString()));
}

QString settingsFileWarning() {
  const SettingsFileProblem found = settingsFileProblem(kSettingsFile);
  if (found.problem.empty()) return {};
  return (found.read ? QCoreApplication::translate(
                           "kestrune::SettingsFile",
                           "Kestrune will not change its settings file %1: %2. Your settings will not be saved.")
                     : QCoreApplication::translate(
                           "kestrune::SettingsFile",
                           "Kestrune cannot read its settings file %1: %2. Your settings will not be saved."))
      .arg(settingsPath(), QString::fromStdString(found.problem));
}

QString settingsNotSavedWarning(int error) {
  if (!settingsFileWarning().isEmpty()) return {};
  return QCoreApplication::translate("kestrune::SettingsFile", "Kestrune could not save your settings in %1: %2.")
      .arg(settingsPath(), QString::fromLocal8Bit(std::strerror(error)));
}

}  // namespace kestrune
