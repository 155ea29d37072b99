// SPDX-License-Identifier: MIT
#include "settings_file.h"

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
  std::string buffer(kSettingBufferSize, ' ');
  const uint32_t count = GetPrivateProfileStringA(section.toLatin1().constData(), key.toLatin1().constData(), "",
                                                  buffer.data(), kSettingBufferSize, fileName.toLatin1().constData());
  if (count == 0) return {};
  // The buffer holds the value, its NUL and the spaces it was made of. The
  // private-profile read trims the value itself, so no space leads it: the
  // trailing spaces go, then the NUL.
  QString result = QString::fromLatin1(buffer.data(), kSettingBufferSize);
  while (result.endsWith(' ')) result.chop(1);
  if (result.endsWith(QChar(0))) result.chop(1);
  return result;
}

QString settingsFileWarning() {
  const SettingsFileProblem found = settingsFileProblem(kSettingsFile);
  if (found.problem.empty()) return {};
  return QString(found.read ? "Kestrune will not change its settings file %1: %2. Your settings will not be saved."
                            : "Kestrune cannot read its settings file %1: %2. Your settings will not be saved.")
      .arg(settingsPath(), QString::fromStdString(found.problem));
}

QString settingsNotSavedWarning(int error) {
  if (!settingsFileWarning().isEmpty()) return {};
  return QString("Kestrune could not save your settings in %1: %2.")
      .arg(settingsPath(), QString::fromLocal8Bit(std::strerror(error)));
}

}  // namespace kestrune
