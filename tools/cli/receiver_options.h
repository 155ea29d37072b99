// SPDX-License-Identifier: MIT
// The options that the tools which drive a receiver share, each read and
// explained here once: the port's number (--port, earthmate-sim's --link),
// the position the receiver is initialised with (--lat, --lat-hem, --lon,
// --lon-hem), the satellites in view (--satellites) and the time
// difference (--tz). What a tool does with them beyond that (a default
// from the last fix, the computer's own time difference) is its own.
#pragma once

#include <string>
#include <string_view>

#include "control/core/link_settings.h"
#include "tools/cli/cli.h"

namespace vx::cli {

// A serial port's number, 1 to 32767 (the control's CommPort), or
// UsageError naming `option`.
int portNumber(std::string_view text, std::string_view option);

// The hours of --tz: a number from -14 to 14, both included, or UsageError.
double timeDifferenceHours(std::string_view text);

struct ReceiverOptions {
  // Unsigned degrees as the user typed them, checked to be degrees in
  // range: they reach the receive link as text, as the control's do.
  std::string latitude = kDefaultLatitude;
  std::string latHemisphere = kDefaultLatHemisphere;
  std::string longitude = kDefaultLongitude;
  std::string longHemisphere = kDefaultLongHemisphere;
  bool satellitesInView = kDefaultSatellitesInView;
  bool latitudeGiven = false;
  bool longitudeGiven = false;
  bool hemisphereGiven = false;

  // Reads `option` (and its value from `args`) when it is one of --lat,
  // --lat-hem, --lon, --lon-hem and --satellites: true; false for any other.
  bool take(std::string_view option, Arguments& args);
  // The position and the sentences wanted, into the link's settings.
  void applyTo(LinkSettings& settings) const;
};

// The help lines of --lat, --lat-hem, --lon and --lon-hem, then the tool's
// own `positionNote` (where the position comes from without them, indented
// as these lines), then --satellites.
std::string receiverOptionsHelp(std::string_view positionNote);
// The first lines of --tz's help: the hours, their range and sign, and
// examples. The tool's own lines follow, indented as these.
std::string timeDifferenceHelp();

}  // namespace vx::cli
