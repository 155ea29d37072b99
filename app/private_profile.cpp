#include "private_profile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <optional>
#include <sstream>
#include <string_view>
#include <vector>

namespace kestrune {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view trim(std::string_view text) {
  while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && (isBlank(text.back()) || text.back() == '\r' || text.back() == '\n')) text.remove_suffix(1);
  return text;
}

bool sameName(std::string_view a, std::string_view b) {
  const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [&](char x, char y) {
           return lower(x) == lower(y);
         });
}

// One line of the file, its line ending included, as it stands.
struct Line {
  std::string text;

  std::string_view content() const { return trim(text); }
  std::optional<std::string_view> sectionName() const {
    const std::string_view line = content();
    if (line.empty() || line.front() != '[') return std::nullopt;
    const std::size_t close = line.find(']');
    if (close == std::string_view::npos) return std::nullopt;
    return trim(line.substr(1, close - 1));
  }
  bool isComment() const { return !content().empty() && content().front() == ';'; }
  std::optional<std::string_view> keyName() const {
    if (isComment() || sectionName()) return std::nullopt;
    const std::string_view line = content();
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) return std::nullopt;
    return trim(line.substr(0, equals));
  }
  std::string_view value() const {
    const std::string_view line = content();
    return trim(line.substr(line.find('=') + 1));
  }
};

std::optional<std::string> readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::ostringstream contents;
  contents << in.rdbuf();
  return contents.str();
}

std::vector<Line> splitLines(const std::string& contents) {
  std::vector<Line> lines;
  std::size_t start = 0;
  while (start < contents.size()) {
    const std::size_t end = contents.find('\n', start);
    const std::size_t next = end == std::string::npos ? contents.size() : end + 1;
    lines.push_back({contents.substr(start, next - start)});
    start = next;
  }
  return lines;
}

// The lines of `section`: [first, last) after its header; nothing when absent.
struct SectionRange {
  std::size_t header, first, last;
};

std::optional<SectionRange> findSection(const std::vector<Line>& lines, std::string_view section) {
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const auto name = lines[i].sectionName();
    if (!name || !sameName(*name, section)) continue;
    std::size_t end = i + 1;
    while (end < lines.size() && !lines[end].sectionName()) ++end;
    return SectionRange{i, i + 1, end};
  }
  return std::nullopt;
}

std::optional<std::size_t> findKey(const std::vector<Line>& lines, const SectionRange& range, std::string_view key) {
  for (std::size_t i = range.first; i < range.last; ++i) {
    const auto name = lines[i].keyName();
    if (name && sameName(*name, key)) return i;
  }
  return std::nullopt;
}

std::string configFolder() {
  const char* config = std::getenv("XDG_CONFIG_HOME");
  if (config != nullptr && config[0] == '/') return config;
  const char* home = std::getenv("HOME");
  return std::string(home != nullptr ? home : "") + "/.config";
}

bool makeFolders(const std::string& folder) {
  for (std::size_t slash = folder.find('/', 1);; slash = folder.find('/', slash + 1)) {
    const std::string prefix = folder.substr(0, slash);
    if (::mkdir(prefix.c_str(), 0700) != 0 && errno != EEXIST) return false;
    if (slash == std::string::npos) return true;
  }
}

// Writes `contents` to a temporary file beside `path` and renames it over
// `path`, keeping the permissions of the file it replaces: a reader sees
// the old file or the new one, never a part of either.
bool replaceFile(std::string path, const std::string& contents) {
  // A settings file that is a link is replaced where the link points.
  if (char resolved[PATH_MAX]; ::realpath(path.c_str(), resolved) != nullptr) path = resolved;
  const std::string folder = path.substr(0, path.rfind('/'));
  if (!makeFolders(folder)) return false;
  std::string temporary = path + ".XXXXXX";
  const int fd = ::mkstemp(temporary.data());
  if (fd < 0) return false;
  struct stat existing {};
  mode_t mode = 0;
  if (::stat(path.c_str(), &existing) == 0) {
    mode = existing.st_mode & 07777;
  } else {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    mode = 0666 & ~mask;
  }
  bool written = ::fchmod(fd, mode) == 0;
  for (std::size_t done = 0; written && done < contents.size();) {
    const ssize_t n = ::write(fd, contents.data() + done, contents.size() - done);
    if (n < 0 && errno == EINTR) continue;
    written = n > 0;
    if (written) done += static_cast<std::size_t>(n);
  }
  written = written && ::fsync(fd) == 0;
  written = ::close(fd) == 0 && written;
  if (written && ::rename(temporary.c_str(), path.c_str()) == 0) return true;
  ::unlink(temporary.c_str());
  return false;
}

bool breaksLines(std::string_view text) { return text.find_first_of("\r\n") != std::string_view::npos; }

bool isWritableEntry(std::string_view section, std::string_view key, std::string_view value) {
  if (breaksLines(section) || breaksLines(key) || breaksLines(value)) return false;
  if (section.find(']') != std::string_view::npos || trim(key).empty()) return false;
  const std::string_view name = trim(key);
  return name.find('=') == std::string_view::npos && name.front() != '[' && name.front() != ';';
}

}  // namespace

std::string profilePath(const std::string& fileName) {
  if (fileName.find('/') != std::string::npos) return fileName;
  return configFolder() + "/" + fileName;
}

}  // namespace kestrune

using namespace kestrune;

uint32_t GetPrivateProfileStringA(const char* section, const char* key, const char* defaultText, char* buffer,
                                  uint32_t size, const char* fileName) {
  if (buffer == nullptr || size == 0) return 0;
  std::string_view result = defaultText != nullptr ? defaultText : "";
  std::string stored;
  if (section != nullptr && key != nullptr && fileName != nullptr) {
    if (const auto contents = readFile(profilePath(fileName))) {
      const std::vector<Line> lines = splitLines(*contents);
      if (const auto range = findSection(lines, section)) {
        if (const auto index = findKey(lines, *range, key)) {
          stored = lines[*index].value();
          result = stored;
        }
      }
    }
  }
  const std::size_t count = std::min<std::size_t>(result.size(), size - 1);
  std::memcpy(buffer, result.data(), count);
  buffer[count] = '\0';
  return static_cast<uint32_t>(count);
}

int WritePrivateProfileStringA(const char* section, const char* key, const char* value, const char* fileName) {
  if (section == nullptr || key == nullptr || value == nullptr || fileName == nullptr) return 0;
  if (!isWritableEntry(section, key, value)) return 0;
  const std::string path = profilePath(fileName);
  const std::optional<std::string> contents = readFile(path);
  std::vector<Line> lines = splitLines(contents.value_or(""));
  const bool crlf = !lines.empty() && lines.front().text.ends_with("\r\n");
  const std::string newline = crlf ? "\r\n" : "\n";

  // A line added behind a last line without its line ending ends that line first.
  const auto insertLine = [&](std::size_t at, std::string text) {
    if (at > 0 && !lines[at - 1].text.ends_with('\n')) lines[at - 1].text += newline;
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at), Line{std::move(text)});
  };
  auto range = findSection(lines, section);
  if (!range) {
    insertLine(lines.size(), "[" + std::string(section) + "]" + newline);
    range = SectionRange{lines.size() - 1, lines.size(), lines.size()};
  }
  if (const auto index = findKey(lines, *range, key)) {
    const std::string_view name = *lines[*index].keyName();  // keep the name as the file spells it
    const bool ended = lines[*index].text.ends_with('\n');
    lines[*index].text = std::string(name) + "=" + value + (ended ? newline : "");
  } else {
    std::size_t after = range->header + 1;
    for (std::size_t i = range->first; i < range->last; ++i) {
      if (lines[i].keyName()) after = i + 1;
    }
    insertLine(after, std::string(trim(key)) + "=" + value + newline);
  }
  std::string updated;
  for (const Line& line : lines) updated += line.text;
  return replaceFile(path, updated) ? 1 : 0;
}
