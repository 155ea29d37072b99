// SPDX-License-Identifier: MIT
#include "position/computer_zone.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "common/number_text.h"
#include "common/rounding.h"
#include "common/translated_text.h"
#include "control/error/translatable.h"
#include "position/system_clock.h"

namespace vx {
namespace {

constexpr std::string_view kZoneFolderMark = "zoneinfo/";

// "Europe/Berlin" from a path into the zone database, else nothing.
std::string zoneInPath(const std::string& path) {
  const std::size_t mark = path.rfind(kZoneFolderMark);
  return mark == std::string::npos ? std::string() : path.substr(mark + kZoneFolderMark.size());
}

std::string firstLineOf(const char* path) {
  std::ifstream in(path);
  std::string line;
  std::getline(in, line);
  return line;
}

// Hundredths of an hour: the precision a time difference is shown with.
double hundredthsOfAnHour(double hours) { return roundHalfToEven(hours * 100); }

}  // namespace

ComputerZone computerZone() { return {*systemLocalTime().utcOffsetSeconds, computerZoneName()}; }

std::string computerZoneName() {
  if (const char* tz = std::getenv("TZ"); tz != nullptr && *tz != '\0') {
    std::string value = tz[0] == ':' ? tz + 1 : tz;
    const std::string inDatabase = zoneInPath(value);
    return inDatabase.empty() ? value : inDatabase;
  }
  std::error_code error;
  const std::string linked = zoneInPath(std::filesystem::read_symlink("/etc/localtime", error).string());
  return linked.empty() ? firstLineOf("/etc/timezone") : linked;
}

std::string hoursAheadText(int utcOffsetSeconds) {
  // + 0.0: a zone a few seconds west of UTC shows as "0", not "-0".
  return generalNumber(hundredthsOfAnHour(utcOffsetSeconds / 3600.0) / 100 + 0.0);
}

bool isOffsetAsShown(double hoursAhead, int utcOffsetSeconds) {
  return hundredthsOfAnHour(hoursAhead) == hundredthsOfAnHour(utcOffsetSeconds / 3600.0);
}

namespace {

// Whole sentences, for the translators: %1 stands for the hours.
const char* clockSentence(int utcOffsetSeconds, bool oneHour) {
  if (utcOffsetSeconds == 0) return QT_TRANSLATE_NOOP("vx", "This computer's clock is on UTC");
  if (utcOffsetSeconds > 0) {
    return oneHour ? QT_TRANSLATE_NOOP("vx", "This computer's clock is 1 hour ahead of UTC")
                   : QT_TRANSLATE_NOOP("vx", "This computer's clock is %1 hours ahead of UTC");
  }
  return oneHour ? QT_TRANSLATE_NOOP("vx", "This computer's clock is 1 hour behind UTC")
                 : QT_TRANSLATE_NOOP("vx", "This computer's clock is %1 hours behind UTC");
}

}  // namespace

std::string clockDescription(const ComputerZone& zone, const Translator& translated) {
  const std::string hours = hoursAheadText(std::abs(zone.utcOffsetSeconds));
  const char* sentence = clockSentence(zone.utcOffsetSeconds, hours == "1");
  std::string text = filledIn(translatedText(sentence, translated), {hours});
  if (!zone.name.empty()) text += " (" + zone.name + ")";
  return text;
}

}  // namespace vx
