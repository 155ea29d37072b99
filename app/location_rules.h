// SPDX-License-Identifier: MIT
// The rules the location entry screen applies on Continue, apart from the
// screen: which coordinates pass, and how the time difference turns from
// the user's convention (east of Greenwich positive) into the control's
// (west positive). Numbers are read by the leading-number rule: the
// longest beginning of the text that forms a decimal number counts.
#pragma once

#include <QString>

#include "position/computer_zone.h"

namespace kestrune {

// Numbers in the boxes take the point or the decimal separator of the
// user's locale (QLocale()): "52,37" in German is 52.37. The text with that
// separator read as the point, as the checks, the control and the settings
// file take it: "52,37" gives "52.37".
QString withDecimalPoint(const QString& text);
bool isDecimalSeparator(QChar c);
// What a number box takes, for the message that refuses anything else:
// "Only digits and \",\" or \".\" as the decimal separator can be entered
// here", with the minus where the box takes one, and what was refused.
QString numberRefusal(bool takesMinus, const QString& refused);

// The box begins with a number from 0 to 90 (latitude) or 0 to 180
// (longitude), both ends included: "0.1276" and "37.8.5" pass; "", "-1",
// "90.5" and "abc" do not.
bool isValidLatitude(const QString& text);
bool isValidLongitude(const QString& text);

// The time difference box holds hours east of UTC: nothing (read as 0), a
// lone "-", or a text that begins with a number from -14 to 14. "nan",
// "abc" and "99999" do not pass.
bool isValidTimeDifference(const QString& text);

// A zone's offset from UTC in the box's convention, hours east as plain
// decimal text with at most two decimals: "2" for Amsterdam in summer,
// "5.5" for India, "-3.5" for Newfoundland, "5.75" for Nepal.
QString timeDifferenceText(int utcOffsetSeconds);

// Whether the box's number is the zone's offset as timeDifferenceText
// shows it: "5.5" in India is, "5" and "5.1" are not.
bool matchesOffset(const QString& text, int utcOffsetSeconds);

// The question put when the box disagrees with the computer's zone:
// "This computer's clock is 2 hours ahead of UTC (Europe/Amsterdam), but
// the time difference entered is 1. Use 2?"
QString zoneQuestion(const vx::ComputerZone& zone, const QString& entered);

// The user's entry as the settings file keeps it, to be shown as it was
// typed next time: "0.5" stays "0.5"; one with no number ("", "-") is "0".
QString timeDifferenceToKeep(const QString& entry);

// The negated number as plain decimal text, with no zero before the point
// of a magnitude below 1: "10" gives "-10", "-7" "7", "0.5" "-.5", "09"
// "-9", "5-" "-5"; a text whose number is 0 ("", "-", "0.0") gives "0".
// Applied twice it gives the user's entry back as a number.
QString negatedTimeDifference(const QString& text);

}  // namespace kestrune
