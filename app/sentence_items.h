// SPDX-License-Identifier: MIT
// What the monitor screen makes of the sentences the control hands it: each
// "$GPRMC", "$GPGSA" and "$GPGSV" sentence is taken apart once, into a
// report that the screen shows, and the items it shows are turned into the
// screen's forms.
#pragma once

#include <QList>
#include <QString>
#include <optional>

namespace kestrune {

// Takes the next item off the front of `text`: what stands before the
// first `delimiter` (all of `text` when there is none), and leaves in
// `text` what follows the delimiter's first character. Items are handed
// back as they stand; an empty text gives empty items for ever.
QString stripNextItem(QString& text, const QString& delimiter);

// The items of a "$GPRMC" sentence that the screen shows, as received.
struct PositionReport {
  QString time;                 // hhmmss
  QString status;               // "A" a valid fix, "V" a warning
  QString latitude;             // ddmm.mmmm
  QString latitudeHemisphere;   // "N" or "S"
  QString longitude;            // dddmm.mmmm
  QString longitudeHemisphere;  // "E" or "W"
  QString date;                 // ddmmyy
};

// What a "$GPGSA" sentence says of the satellites.
struct PrecisionReport {
  QList<int> used;    // the satellite number fields that are not empty: the satellites used in the fix
  QString precision;  // the position dilution of precision, as received
};

// A satellite in view and its signal, C/No in dB-Hz (0 where the sentence
// leaves it empty: not heard).
struct SatelliteSignal {
  int satellite = 0;
  int signal = 0;
  bool operator==(const SatelliteSignal&) const = default;
};

// One "$GPGSV" sentence: which of its group it is, and up to four satellites.
struct SatellitesReport {
  int sentences = 0;  // in the group
  int sentence = 0;   // this one's place in it, from 1
  QList<SatelliteSignal> satellites;
};

// The report of a sentence that begins exactly "$GPRMC" (or "$GPGSA",
// "$GPGSV"); nothing for any other. A sentence with fewer items than the
// report reads gives empty items; a "$GPGSV" satellite with an empty or
// unreadable number is left out.
std::optional<PositionReport> positionReport(const QString& sentence);
std::optional<PrecisionReport> precisionReport(const QString& sentence);
std::optional<SatellitesReport> satellitesReport(const QString& sentence);

// A receiver coordinate, ddmm.mmmm or dddmm.mmmm, as decimal degrees with
// six decimals: "3348.1234" gives "33.802057", "00007.6561" "0.127602".
// An item shorter than 7 characters is error 5; one that is not digits
// around one point, with two minute digits before it, error 13.
QString decimalDegrees(const QString& coordinate);

// "123456" gives "12:34:56".
QString clockText(const QString& time);
// "251299" gives "2099-12-25".
QString dateText(const QString& date);

}  // namespace kestrune
