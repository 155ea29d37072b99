// SPDX-License-Identifier: MIT
#include "private_profile.h"

#include <fcntl.h>
#include <pthread.h>
#include <signal.h>
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

#include "ascii_text.h"
#include "config_folder.h"

namespace kestrune {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view trim(std::string_view text) {
  while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && (isBlank(text.back()) || text.back() == '\r' || text.back() == '\n')) text.remove_suffix(1);
  return text;
}


// One line of the file, its line ending (LF, CR LF or a lone CR) included, as it stands.
struct Line {
  std::string text;

  std::string_view ending() const {
    const std::string_view all = text;
    if (all.ends_with("\r\n")) return all.substr(all.size() - 2);
    if (all.ends_with('\n') || all.ends_with('\r')) return all.substr(all.size() - 1);
    return {};
  }
  bool ended() const { return !ending().empty(); }
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

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
// No settings file of this program comes near this; a larger one is not read.
constexpr off_t kLargestFile = 1 << 20;

// The file as read: missing (reads as empty), read, or there but unusable.
struct FileRead {
  std::optional<std::string> contents;  // nothing when missing or unusable
  std::string problem;                  // why an existing file cannot be used
};

std::string readAll(int fd, off_t size, std::string& problem) {
  std::string contents(static_cast<std::size_t>(size), '\0');
  std::size_t done = 0;
  while (done < contents.size()) {
    const ssize_t n = ::read(fd, contents.data() + done, contents.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) problem = std::strerror(errno);
    if (n <= 0) break;
    done += static_cast<std::size_t>(n);
  }
  contents.resize(done);  // a file that shrank meanwhile
  return contents;
}

// Only a regular file of at most kLargestFile bytes is read; opening never
// waits (a pipe in the file's place) and a device is never read.
FileRead readFile(const std::string& path) {
  FileRead result;
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    if (errno != ENOENT) result.problem = std::strerror(errno);
    return result;
  }
  struct stat file {};
  if (::fstat(fd, &file) != 0) {
    result.problem = std::strerror(errno);
  } else if (S_ISDIR(file.st_mode)) {
    result.problem = "it is a folder, not a file";
  } else if (!S_ISREG(file.st_mode)) {
    result.problem = "it is a device or a pipe, not a file";
  } else if (file.st_size > kLargestFile) {
    result.problem = "it is larger than 1 MiB, far more than settings take";
  } else {
    std::string contents = readAll(fd, file.st_size, result.problem);
    if (result.problem.empty()) result.contents = std::move(contents);
  }
  ::close(fd);
  return result;
}

// The file's lines and what a write keeps of its form: a byte-order mark at
// the start, and the line ending of its first line.
struct Profile {
  std::string byteOrderMark;
  std::vector<Line> lines;
  std::string newline = "\n";

  explicit Profile(std::string_view contents) {
    if (contents.starts_with(kByteOrderMark)) {
      byteOrderMark = kByteOrderMark;
      contents.remove_prefix(kByteOrderMark.size());
    }
    std::size_t start = 0;
    while (start < contents.size()) {
      std::size_t end = contents.find_first_of("\r\n", start);
      if (end == std::string_view::npos) {
        end = contents.size();
      } else {
        end += contents.substr(end, 2) == "\r\n" ? 2 : 1;
      }
      lines.push_back({std::string(contents.substr(start, end - start))});
      start = end;
    }
    if (!lines.empty() && lines.front().ended()) newline = lines.front().ending();
  }

  std::string text() const {
    std::string all = byteOrderMark;
    for (const Line& line : lines) all += line.text;
    return all;
  }
};

// The lines of `section`: [first, last) after its header; nothing when absent.
struct SectionRange {
  std::size_t header, first, last;
};

std::optional<SectionRange> findSection(const std::vector<Line>& lines, std::string_view section) {
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const auto name = lines[i].sectionName();
    if (!name || !vx::sameIgnoringAsciiCase(*name, section)) continue;
    std::size_t end = i + 1;
    while (end < lines.size() && !lines[end].sectionName()) ++end;
    return SectionRange{i, i + 1, end};
  }
  return std::nullopt;
}

std::optional<std::size_t> findKey(const std::vector<Line>& lines, const SectionRange& range, std::string_view key) {
  for (std::size_t i = range.first; i < range.last; ++i) {
    const auto name = lines[i].keyName();
    if (name && vx::sameIgnoringAsciiCase(*name, key)) return i;
  }
  return std::nullopt;
}

bool makeFolders(const std::string& folder) {
  for (std::size_t slash = folder.find('/', 1);; slash = folder.find('/', slash + 1)) {
    const std::string prefix = folder.substr(0, slash);
    if (::mkdir(prefix.c_str(), 0700) != 0 && errno != EEXIST) return false;
    if (slash == std::string::npos) return true;
  }
}

// Holds SIGHUP, SIGINT and SIGTERM while it lives: one that arrives meanwhile
// takes effect (ending the program as it would have) once the write is
// whole, so no temporary file is left behind.
class SignalsHeld {
 public:
  SignalsHeld() {
    sigset_t held;
    sigemptyset(&held);
    for (const int signal : {SIGHUP, SIGINT, SIGTERM}) sigaddset(&held, signal);
    ::pthread_sigmask(SIG_BLOCK, &held, &previous_);
  }
  ~SignalsHeld() { ::pthread_sigmask(SIG_SETMASK, &previous_, nullptr); }
  SignalsHeld(const SignalsHeld&) = delete;
  SignalsHeld& operator=(const SignalsHeld&) = delete;

 private:
  sigset_t previous_;
};

// Writes `contents` to a temporary file beside `path` and renames it over
// `path`, keeping the permissions of the file it replaces: a reader sees
// the old file or the new one, never a part of either. Only `path` itself
// is ever read as settings, so a temporary file that a power cut leaves
// behind is never taken for them.
bool replaceFile(std::string path, const std::string& contents) {
  const SignalsHeld held;
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

std::string settingsFileProblem(const std::string& fileName) { return readFile(profilePath(fileName)).problem; }

std::string profilePath(const std::string& fileName) {
  if (fileName.find('/') != std::string::npos) return fileName;
  return vx::configFolder() + "/" + fileName;
}

}  // namespace kestrune

using namespace kestrune;

uint32_t GetPrivateProfileStringA(const char* section, const char* key, const char* defaultText, char* buffer,
                                  uint32_t size, const char* fileName) {
  if (buffer == nullptr || size == 0) return 0;
  std::string_view result = defaultText != nullptr ? defaultText : "";
  std::string stored;
  if (section != nullptr && key != nullptr && fileName != nullptr) {
    if (const FileRead file = readFile(profilePath(fileName)); file.contents) {
      const Profile profile(*file.contents);
      if (const auto range = findSection(profile.lines, section)) {
        if (const auto index = findKey(profile.lines, *range, key)) {
          stored = profile.lines[*index].value();
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
  const FileRead file = readFile(path);
  if (!file.problem.empty()) return 0;  // an existing file that cannot be read is never replaced
  Profile profile(file.contents.value_or(""));
  std::vector<Line>& lines = profile.lines;
  const std::string& newline = profile.newline;

  // A line added behind a last line without its line ending ends that line first.
  const auto insertLine = [&](std::size_t at, std::string text) {
    if (at > 0 && !lines[at - 1].ended()) lines[at - 1].text += newline;
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at), Line{std::move(text)});
  };
  auto range = findSection(lines, section);
  if (!range) {
    insertLine(lines.size(), "[" + std::string(section) + "]" + newline);
    range = SectionRange{lines.size() - 1, lines.size(), lines.size()};
  }
  if (const auto index = findKey(lines, *range, key)) {
    const std::string_view name = *lines[*index].keyName();  // keep the name as the file spells it
    lines[*index].text = std::string(name) + "=" + value + std::string(lines[*index].ending());
  } else {
    std::size_t after = range->header + 1;
    for (std::size_t i = range->first; i < range->last; ++i) {
      if (lines[i].keyName()) after = i + 1;
    }
    insertLine(after, std::string(trim(key)) + "=" + value + newline);
  }
  return replaceFile(path, profile.text()) ? 1 : 0;
}
