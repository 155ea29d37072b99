// SPDX-License-Identifier: MIT
// What the monitor screen shows of the sentences the control hands it, in
// the screen's forms. The protocol core's reader (nmea_reader.h) takes
// each "$GPRMC", "$GPGSA" and "$GPGSV" sentence apart, once; these write
// its values as the screen shows them.
#pragma once

#include <QString>

#include "control/core/date_time.h"

namespace kestrune {

// A satellite in view and its signal, C/No in dB-Hz (0: not heard).
struct SatelliteSignal {
  int satellite = 0;
  int signal = 0;
  bool operator==(const SatelliteSignal&) const = default;
};

// A coordinate as the screen shows it and the settings file keeps it:
// unsigned decimal degrees with six decimals, "33.802057".
QString coordinateText(double degrees);
// The hemisphere letter of a signed coordinate: `negative` south of the
// equator or west of Greenwich (a zero read from "S" or "W" included).
QString hemisphereText(double degrees, const char* positive, const char* negative);

// "12:34:56".
QString clockText(const vx::DateTime& utc);
// "2099-12-25".
QString dateText(const vx::DateTime& utc);

}  // namespace kestrune
