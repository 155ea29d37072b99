// The rules the location entry screen applies on Continue, apart from the
// screen: which coordinates pass, and how the time difference turns from
// the user's convention (east of Greenwich positive) into the control's
// (west positive). Numbers are read by the leading-number rule: the
// longest beginning of the text that forms a decimal number counts.
#pragma once

#include <QString>

namespace kestrune {

// The box begins with a number from 0 to 90 (latitude) or 0 to 180
// (longitude), both ends included: "0.1276" and "37.8.5" pass; "", "-1",
// "90.5" and "abc" do not.
bool isValidLatitude(const QString& text);
bool isValidLongitude(const QString& text);

// The negated number as plain decimal text, with no zero before the point
// of a magnitude below 1: "10" gives "-10", "-7" "7", "0.5" "-.5", "09"
// "-9", "5-" "-5"; a text whose number is 0 ("", "-", "0.0") gives "0".
// Applied twice it gives the user's entry back as a number.
QString negatedTimeDifference(const QString& text);

}  // namespace kestrune
