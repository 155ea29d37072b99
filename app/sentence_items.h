// SPDX-License-Identifier: MIT
// What the monitor screen makes of the items of a $GPRMC sentence.
#pragma once

#include <QString>

namespace kestrune {

// Takes the next item off the front of `text`: what stands before the
// first `delimiter` (all of `text` when there is none), and leaves in
// `text` what follows the delimiter's first character. Items are handed
// back as they stand; an empty text gives empty items for ever.
QString stripNextItem(QString& text, const QString& delimiter);

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
