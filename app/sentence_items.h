// SPDX-License-Identifier: MIT
// What the monitor screen makes of the sentences the control hands it: each
// "$GPRMC" and "$GPGSA" sentence is taken apart once, into a report that the
// screen shows, and the items it shows are turned into the screen's forms.
#pragma once

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
  int satellitesInView = 0;  // the satellite number fields that are not empty
  QString precision;         // the position dilution of precision, as received
};

// The report of a sentence that begins exactly "$GPRMC" (or "$GPGSA");
// nothing for any other. A sentence with fewer items than the report
// reads gives empty items.
std::optional<PositionReport> positionReport(const QString& sentence);
std::optional<PrecisionReport> precisionReport(const QString& sentence);

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
