// SPDX-License-Identifier: MIT
#include "settings/profile_text.h"

#include "common/ascii_text.h"

namespace kestrune {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view trim(std::string_view text) {
  while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && (isBlank(text.back()) || text.back() == '\r' || text.back() == '\n')) text.remove_suffix(1);
  return text;
}

// What one line of the text (its line ending included) says.
std::string_view endingOf(std::string_view line) {
  if (line.ends_with("\r\n")) return line.substr(line.size() - 2);
  if (line.ends_with('\n') || line.ends_with('\r')) return line.substr(line.size() - 1);
  return {};
}

std::optional<std::string_view> sectionNameOf(std::string_view line) {
  line = trim(line);
  if (line.empty() || line.front() != '[') return std::nullopt;
  const std::size_t close = line.find(']');
  if (close == std::string_view::npos) return std::nullopt;
  return trim(line.substr(1, close - 1));
}

std::optional<std::string_view> keyNameOf(std::string_view line) {
  line = trim(line);
  if ((!line.empty() && line.front() == ';') || sectionNameOf(line)) return std::nullopt;
  const std::size_t equals = line.find('=');
  if (equals == std::string_view::npos) return std::nullopt;
  return trim(line.substr(0, equals));
}

std::string_view valueOf(std::string_view line) {
  line = trim(line);
  return trim(line.substr(line.find('=') + 1));
}

// The lines of a section: [first, last) after its header.
struct SectionRange {
  std::size_t header, first, last;
};

std::optional<SectionRange> findSection(const std::vector<std::string>& lines, std::string_view section) {
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const auto name = sectionNameOf(lines[i]);
    if (!name || !vx::sameIgnoringAsciiCase(*name, section)) continue;
    std::size_t end = i + 1;
    while (end < lines.size() && !sectionNameOf(lines[end])) ++end;
    return SectionRange{i, i + 1, end};
  }
  return std::nullopt;
}

std::optional<std::size_t> findKey(const std::vector<std::string>& lines, const SectionRange& range,
                                   std::string_view key) {
  for (std::size_t i = range.first; i < range.last; ++i) {
    const auto name = keyNameOf(lines[i]);
    if (name && vx::sameIgnoringAsciiCase(*name, key)) return i;
  }
  return std::nullopt;
}

bool breaksLines(std::string_view text) { return text.find_first_of("\r\n") != std::string_view::npos; }

}  // namespace

ProfileText::ProfileText(std::string_view contents) {
  if (contents.starts_with(kByteOrderMark)) {
    byteOrderMark_ = kByteOrderMark;
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
    lines_.emplace_back(contents.substr(start, end - start));
    start = end;
  }
  if (!lines_.empty() && !endingOf(lines_.front()).empty()) newline_ = endingOf(lines_.front());
}

std::optional<std::string> ProfileText::value(std::string_view section, std::string_view key) const {
  const auto range = findSection(lines_, section);
  if (!range) return std::nullopt;
  const auto index = findKey(lines_, *range, key);
  if (!index) return std::nullopt;
  return std::string(valueOf(lines_[*index]));
}

void ProfileText::set(std::string_view section, std::string_view key, std::string_view value) {
  auto range = findSection(lines_, section);
  if (!range) {
    insertLine(lines_.size(), "[" + std::string(section) + "]" + newline_);
    range = SectionRange{lines_.size() - 1, lines_.size(), lines_.size()};
  }
  if (const auto index = findKey(lines_, *range, key)) {
    std::string& line = lines_[*index];
    line = std::string(*keyNameOf(line)) + "=" + std::string(value) + std::string(endingOf(line));
    return;
  }
  std::size_t after = range->header + 1;
  for (std::size_t i = range->first; i < range->last; ++i) {
    if (keyNameOf(lines_[i])) after = i + 1;
  }
  insertLine(after, std::string(trim(key)) + "=" + std::string(value) + newline_);
}

void ProfileText::insertLine(std::size_t at, std::string text) {
  if (at > 0 && endingOf(lines_[at - 1]).empty()) lines_[at - 1] += newline_;
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), std::move(text));
}

bool ProfileText::fitsOneLine(std::string_view section, std::string_view key, std::string_view value) {
  if (breaksLines(section) || breaksLines(key) || breaksLines(value)) return false;
  const std::string_view name = trim(key);
  if (section.find(']') != std::string_view::npos || name.empty()) return false;
  return name.find('=') == std::string_view::npos && name.front() != '[' && name.front() != ';';
}

std::string ProfileText::text() const {
  std::string all = byteOrderMark_;
  for (const std::string& line : lines_) all += line;
  return all;
}

}  // namespace kestrune
