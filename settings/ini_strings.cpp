// SPDX-License-Identifier: MIT
#include "settings/ini_strings.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "settings/profile_file.h"
#include "settings/profile_text.h"

namespace kestrune {

SettingsFileProblem settingsFileProblem(const std::string& fileName) {
  const ProfileFile file = findProfileFile(profilePath(fileName));
  return {file.problem, file.contents.has_value()};
}

uint32_t readIniString(const char* section, const char* key, const char* defaultText, char* buffer, uint32_t size,
                       const char* fileName) {
  if (buffer == nullptr || size == 0) return 0;
  std::string result = defaultText != nullptr ? defaultText : "";
  if (section != nullptr && key != nullptr && fileName != nullptr) {
    if (const ProfileFile file = findProfileFile(profilePath(fileName)); file.contents) {
      if (auto stored = ProfileText(*file.contents).value(section, key)) result = std::move(*stored);
    }
  }
  const std::size_t count = std::min<std::size_t>(result.size(), size - 1);
  std::memcpy(buffer, result.data(), count);
  buffer[count] = '\0';
  return static_cast<uint32_t>(count);
}

int writeIniString(const char* section, const char* key, const char* value, const char* fileName) {
  if (section == nullptr || key == nullptr || value == nullptr || fileName == nullptr ||
      !ProfileText::fitsOneLine(section, key, value)) {
    errno = EINVAL;
    return 0;
  }
  const ProfileFile file = findProfileFile(profilePath(fileName));
  if (file.error != 0) {
    errno = file.error;
    return 0;
  }
  ProfileText text(*file.contents);
  text.set(section, key, value);
  if (const int error = replaceProfileFile(file.target, text.text()); error != 0) {
    errno = error;
    return 0;
  }
  return 1;
}

}  // namespace kestrune
