// SPDX-License-Identifier: MIT
#include "settings_file.h"

#include <QCoreApplication>
#include <cstring>
#include <string>

#include "private_profile.h"
#include "profile_file.h"

namespace kestrune {
namespace {

constexpr int kSettingBufferSize = 512;

QString settingsPath() { return QString::fromStdString(profilePath(kSettingsFile)); }

}  // namespace

QString readSetting(const QString& fileName, const QString& section, const QString& key) {
  if (fileName.isEmpty() || section.isEmpty() || key.isEmpty()) return {};
  // The private-profile read trims the value itself and says how many
  // characters it copied: those are the value.
  std::string buffer(kSettingBufferSize, '\0');
  const uint32_t count = GetPrivateProfileStringA(section.toLatin1().constData(), key.toLatin1().constData(), "",
                                                  buffer.data(), kSettingBufferSize, fileName.toLatin1().constData());
  return QString::fromLatin1(buffer.data(), static_cast<qsizetype>(count));
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
