// SPDX-License-Identifier: MIT
// Reading the NMEA 0183 sentences the control writes (nmea_sentences.h)
// back into values, for whoever takes them apart: the monitor screen and
// vxinit. A sentence is checked whole, once: the name, the checksum, and
// every field a reading holds, each in its form and range. What passes
// comes back typed; anything else (a damaged or cut sentence, an empty
// field that the reading needs, another sentence) gives nothing.
//
// A sentence is "$", the body, "*" and two hexadecimal digits, without a
// line end. Fields after those a reading holds (newer NMEA versions add
// some) are not looked at.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "control/core/date_time.h"
#include "control/core/nmea_sentences.h"

namespace vx {

// "$GPRMC": time, date, fix status and position, speed and course.
struct PositionReading {
  DateTime utc;             // the date's two-digit year taken as 2000 to 2099
  bool valid = false;       // status "A"; "V" warns that there is no fix to rely on
  double latitude = 0;      // signed degrees, north positive
  double longitude = 0;     // signed degrees, east positive
  std::optional<double> speedKnots;     // nothing where the field is empty
  std::optional<double> courseDegrees;  // true course; nothing where empty
};

// "$GPGSA": the fix mode, the satellites used and the dilutions.
struct PrecisionReading {
  int fixMode = 0;         // 1 no fix, 2 two-dimensional, 3 three-dimensional
  std::vector<int> used;   // the satellites used in the fix, in the sentence's order
  DilutionsOfPrecision dilutions;
};

// One satellite of "$GPGSV"; -1 for an empty elevation or azimuth, and a
// signal of 0 where the field is empty (not heard).
struct SatelliteInView {
  int satellite = 0;
  int elevation = -1;  // degrees, 0 to 90
  int azimuth = -1;    // degrees, 0 to 359
  int signal = 0;      // C/No, dB-Hz
  friend bool operator==(const SatelliteInView&, const SatelliteInView&) = default;
};

// One sentence of a "$GPGSV" group: its place in the group and up to four
// satellites (one whose number field is empty is left out).
struct SatellitesReading {
  int sentences = 0;  // in the group
  int sentence = 0;   // this one's place in it, from 1
  int inView = 0;     // all sentences of the group together
  std::vector<SatelliteInView> satellites;
};

std::optional<PositionReading> readPositionSentence(std::string_view sentence);
std::optional<PrecisionReading> readPrecisionSentence(std::string_view sentence);
std::optional<SatellitesReading> readSatellitesSentence(std::string_view sentence);

}  // namespace vx
