// SPDX-License-Identifier: MIT
#include "position/zone_table.h"

#include <vector>

namespace vx {
namespace {

std::vector<std::string_view> split(std::string_view text, char separator) {
  std::vector<std::string_view> parts;
  for (std::size_t start = 0;;) {
    const std::size_t end = text.find(separator, start);
    parts.push_back(text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
    if (end == std::string_view::npos) return parts;
    start = end + 1;
  }
}

template <typename Visit>
void forEachLine(std::string_view text, Visit visit) {
  for (std::string_view line : split(text, '\n')) {
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (!line.empty() && line.front() != '#') visit(line);
  }
}

bool allDigits(std::string_view text) {
  for (const char c : text) {
    if (c < '0' || c > '9') return false;
  }
  return !text.empty();
}

int number(std::string_view digits) {
  int value = 0;
  for (const char c : digits) value = value * 10 + (c - '0');
  return value;
}

// One signed coordinate of `degreeDigits` degree digits, then minutes and
// perhaps seconds: "+5222", "-0740023".
std::optional<double> coordinate(std::string_view text, std::size_t degreeDigits) {
  if (text.size() < 1 + degreeDigits || (text[0] != '+' && text[0] != '-') || !allDigits(text.substr(1))) return {};
  const std::string_view rest = text.substr(1 + degreeDigits);
  if (rest.size() != 2 && rest.size() != 4) return {};
  const int minutes = number(rest.substr(0, 2)), seconds = rest.size() == 4 ? number(rest.substr(2)) : 0;
  if (minutes >= 60 || seconds >= 60) return {};
  const double degrees = number(text.substr(1, degreeDigits)) + minutes / 60.0 + seconds / 3600.0;
  return text[0] == '-' ? -degrees : degrees;
}

}  // namespace

std::optional<GeoPoint> parseIso6709(std::string_view coordinates) {
  const std::size_t split = coordinates.find_first_of("+-", 1);
  if (split == std::string_view::npos) return {};
  const auto latitude = coordinate(coordinates.substr(0, split), 2);
  const auto longitude = coordinate(coordinates.substr(split), 3);
  if (!latitude || !longitude) return {};
  const GeoPoint point{*latitude, *longitude};
  if (!isOnEarth(point)) return {};
  return point;
}

std::optional<GeoPoint> zonePoint(std::string_view table, std::string_view zone) {
  std::optional<GeoPoint> found;
  forEachLine(table, [&](std::string_view line) {
    const std::vector<std::string_view> fields = split(line, '\t');
    if (!found && fields.size() >= 3 && fields[2] == zone) found = parseIso6709(fields[1]);
  });
  return found;
}

std::string canonicalZone(std::string_view links, std::string_view zone) {
  std::string name(zone);
  constexpr int kMostHops = 16;  // tzdata's links point at zones directly; a longer chain is a loop
  for (int hops = 0; hops < kMostHops; ++hops) {
    std::string target;
    forEachLine(links, [&](std::string_view line) {
      const std::vector<std::string_view> fields = split(line, ' ');
      if (target.empty() && fields.size() == 3 && fields[0] == "L" && fields[2] == name) target = fields[1];
    });
    if (target.empty()) return name;
    name = target;
  }
  return name;
}

}  // namespace vx
