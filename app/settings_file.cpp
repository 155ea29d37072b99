// SPDX-License-Identifier: MIT
#include "settings_file.h"

#include <string>

#include "private_profile.h"

namespace kestrune {
namespace {

constexpr int kSettingBufferSize = 512;

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

}  // namespace kestrune
