// SPDX-License-Identifier: MIT
#include "control/core/nmea_reader.h"

#include <chrono>

#include "common/ascii_text.h"
#include "common/number_text.h"

namespace vx {
namespace {

using Fields = std::vector<std::string_view>;

constexpr int kUsedSatelliteFields = 12;
constexpr std::size_t kFieldsPerSatellite = 4;
constexpr std::size_t kMostSatellitesPerSentence = 4;

int hexDigit(char c) {
  if (isAsciiDigit(c)) return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

// The fields after the name of a sentence named `name` ("GPRMC") whose
// checksum is right; nothing for any other text.
std::optional<Fields> checkedFields(std::string_view sentence, std::string_view name) {
  if (sentence.size() < name.size() + 5 || sentence.front() != '$') return std::nullopt;  // "$name,*hh"
  const std::size_t star = sentence.size() - 3;
  if (sentence[star] != '*') return std::nullopt;
  const std::string_view body = sentence.substr(1, star - 1);
  if (!body.starts_with(name) || body.size() == name.size() || body[name.size()] != ',') return std::nullopt;
  const int high = hexDigit(sentence[star + 1]), low = hexDigit(sentence[star + 2]);
  if (high < 0 || low < 0 || (high << 4 | low) != sentenceChecksum(body)) return std::nullopt;
  Fields fields;
  for (std::string_view rest = body.substr(name.size() + 1);;) {
    const std::size_t comma = rest.find(',');
    fields.push_back(rest.substr(0, comma));
    if (comma == std::string_view::npos) return fields;
    rest.remove_prefix(comma + 1);
  }
}

// A field of one to three digits whose value lies in [lowest, highest].
std::optional<int> wholeField(std::string_view field, int lowest, int highest) {
  if (field.empty() || field.size() > 3 || !allAsciiDigits(field)) return std::nullopt;
  int value = 0;
  for (const char digit : field) value = value * 10 + (digit - '0');
  if (value < lowest || value > highest) return std::nullopt;
  return value;
}

// As wholeField, with `empty` for an empty field.
std::optional<int> wholeFieldOr(std::string_view field, int empty, int lowest, int highest) {
  return field.empty() ? std::optional<int>(empty) : wholeField(field, lowest, highest);
}

// Digits with at most one point among them: "1.80", "090.0", "12".
std::optional<double> decimalField(std::string_view field) {
  const std::size_t point = field.find('.');
  const std::string_view whole = field.substr(0, point);
  const std::string_view fraction = point == std::string_view::npos ? "" : field.substr(point + 1);
  if (whole.size() + fraction.size() == 0 || !allAsciiDigits(whole) || !allAsciiDigits(fraction)) return std::nullopt;
  return parseNumber(field);
}

std::optional<double> decimalFieldOrNothing(std::string_view field, bool& good) {
  if (field.empty()) return std::nullopt;
  const std::optional<double> value = decimalField(field);
  good = good && value.has_value();
  return value;
}

int twoDigits(std::string_view text, std::size_t at) { return (text[at] - '0') * 10 + (text[at + 1] - '0'); }

// "hhmmss", perhaps with a fraction of a second that is dropped.
bool readTime(std::string_view field, DateTime& into) {
  const std::size_t point = field.find('.');
  const std::string_view whole = field.substr(0, point);
  const std::string_view fraction = point == std::string_view::npos ? "" : field.substr(point + 1);
  if (whole.size() != 6 || !allAsciiDigits(whole) || !allAsciiDigits(fraction)) return false;
  into.hour = twoDigits(whole, 0);
  into.minute = twoDigits(whole, 2);
  into.second = twoDigits(whole, 4);
  return into.hour < 24 && into.minute < 60 && into.second <= 60;  // 60: a leap second
}

// "ddmmyy", a day of the calendar in 2000 to 2099.
bool readDate(std::string_view field, DateTime& into) {
  if (field.size() != 6 || !allAsciiDigits(field)) return false;
  into.day = twoDigits(field, 0);
  into.month = twoDigits(field, 2);
  into.year = 2000 + twoDigits(field, 4);
  using namespace std::chrono;
  return (year{into.year} / month{static_cast<unsigned>(into.month)} / day{static_cast<unsigned>(into.day)}).ok();
}

// "ddmm.mmmm" or "dddmm.mmmm" and its hemisphere letter as signed degrees,
// at most `largest` either way.
std::optional<double> readAngle(std::string_view field, std::string_view hemisphere, char positive, char negative,
                                double largest) {
  const std::size_t point = field.find('.');
  if (point == std::string_view::npos || point < 3 || point > 5 || point + 1 == field.size() ||
      !allAsciiDigits(field.substr(0, point)) || !allAsciiDigits(field.substr(point + 1))) {
    return std::nullopt;
  }
  if (hemisphere.size() != 1 || (hemisphere[0] != positive && hemisphere[0] != negative)) return std::nullopt;
  const int degrees = *wholeField(field.substr(0, point - 2), 0, 999);
  const double minutes = *parseNumber(field.substr(point - 2));
  const double angle = degrees + minutes / 60.0;
  if (minutes >= 60 || angle > largest) return std::nullopt;
  return hemisphere[0] == negative ? -angle : angle;
}

}  // namespace

std::optional<PositionReading> readPositionSentence(std::string_view sentence) {
  enum { kTime, kStatus, kLatitude, kLatHemisphere, kLongitude, kLongHemisphere, kSpeed, kCourse, kDate, kCount };
  const std::optional<Fields> fields = checkedFields(sentence, "GPRMC");
  if (!fields || fields->size() < kCount) return std::nullopt;
  const Fields& f = *fields;
  PositionReading reading;
  if (!readTime(f[kTime], reading.utc) || !readDate(f[kDate], reading.utc)) return std::nullopt;
  if (f[kStatus] != "A" && f[kStatus] != "V") return std::nullopt;
  reading.valid = f[kStatus] == "A";
  const auto latitude = readAngle(f[kLatitude], f[kLatHemisphere], 'N', 'S', 90);
  const auto longitude = readAngle(f[kLongitude], f[kLongHemisphere], 'E', 'W', 180);
  if (!latitude || !longitude) return std::nullopt;
  reading.latitude = *latitude;
  reading.longitude = *longitude;
  bool good = true;
  reading.speedKnots = decimalFieldOrNothing(f[kSpeed], good);
  reading.courseDegrees = decimalFieldOrNothing(f[kCourse], good);
  if (!good) return std::nullopt;
  return reading;
}

std::optional<PrecisionReading> readPrecisionSentence(std::string_view sentence) {
  enum { kSelection, kFixMode, kFirstSatellite, kPosition = kFirstSatellite + kUsedSatelliteFields, kHorizontal,
         kVertical, kCount };
  const std::optional<Fields> fields = checkedFields(sentence, "GPGSA");
  if (!fields || fields->size() < kCount) return std::nullopt;
  const Fields& f = *fields;
  const std::optional<int> fixMode = wholeField(f[kFixMode], 1, 3);
  if ((f[kSelection] != "A" && f[kSelection] != "M") || f[kFixMode].size() != 1 || !fixMode) return std::nullopt;
  PrecisionReading reading;
  reading.fixMode = *fixMode;
  for (int field = kFirstSatellite; field < kPosition; ++field) {
    if (f[field].empty()) continue;
    const std::optional<int> satellite = wholeField(f[field], 1, 999);
    if (!satellite) return std::nullopt;
    reading.used.push_back(*satellite);
  }
  const auto position = decimalField(f[kPosition]), horizontal = decimalField(f[kHorizontal]),
             vertical = decimalField(f[kVertical]);
  if (!position || !horizontal || !vertical) return std::nullopt;
  reading.dilutions = {*position, *horizontal, *vertical};
  return reading;
}

std::optional<SatellitesReading> readSatellitesSentence(std::string_view sentence) {
  enum { kSentences, kSentence, kInView, kFirstSatellite };
  const std::optional<Fields> fields = checkedFields(sentence, "GPGSV");
  if (!fields || fields->size() < kFirstSatellite) return std::nullopt;
  const Fields& f = *fields;
  const std::size_t satelliteFields = f.size() - kFirstSatellite;
  const auto sentences = wholeField(f[kSentences], 1, 9), inView = wholeField(f[kInView], 0, 99);
  const auto place = wholeField(f[kSentence], 1, sentences.value_or(0));
  if (!sentences || !place || !inView || satelliteFields % kFieldsPerSatellite != 0 ||
      satelliteFields > kMostSatellitesPerSentence * kFieldsPerSatellite) {
    return std::nullopt;
  }
  SatellitesReading reading{*sentences, *place, *inView, {}};
  for (std::size_t at = kFirstSatellite; at < f.size(); at += kFieldsPerSatellite) {
    const auto satellite = wholeFieldOr(f[at], 0, 1, 999), elevation = wholeFieldOr(f[at + 1], -1, 0, 90),
               azimuth = wholeFieldOr(f[at + 2], -1, 0, 359), signal = wholeFieldOr(f[at + 3], 0, 0, 99);
    if (!satellite || !elevation || !azimuth || !signal) return std::nullopt;
    if (*satellite != 0) reading.satellites.push_back({*satellite, *elevation, *azimuth, *signal});
  }
  return reading;
}

}  // namespace vx
