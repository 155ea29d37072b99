// SPDX-License-Identifier: MIT
#include "settings/setting_value.h"

#include "settings/ini_strings.h"

namespace kestrune {
namespace {

constexpr int kSettingBufferSize = 512;

}  // namespace

std::string settingValue(const std::string& fileName, const std::string& section, const std::string& key) {
  if (fileName.empty() || section.empty() || key.empty()) return {};
  // The INI read trims the value itself and says how many
  // characters it copied: those are the value.
  std::string buffer(kSettingBufferSize, '\0');
  buffer.resize(readIniString(section.c_str(), key.c_str(), "", buffer.data(), kSettingBufferSize,
                                         fileName.c_str()));
  return buffer;
}

}  // namespace kestrune
