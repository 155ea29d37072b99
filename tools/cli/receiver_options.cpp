// SPDX-License-Identifier: MIT
#include "tools/cli/receiver_options.h"

#include <cmath>
#include <cstdint>
#include <limits>

#include "common/number_text.h"
#include "common/setting_limits.h"

namespace vx::cli {
namespace {

// A coordinate as typed, once checked to be degrees from 0 to `largest`.
std::string degreesText(std::string_view option, std::string_view value, double largest) {
  const double degrees = number(value, option);
  if (!(degrees >= 0 && degrees <= largest)) {
    throw UsageError(std::string(option) + " must be degrees from 0 to " + generalNumber(largest) +
                     " (the hemisphere goes with " + std::string(option) + "-hem)");
  }
  return std::string(value);
}

}  // namespace

int portNumber(std::string_view text, std::string_view option) {
  return static_cast<int>(integerIn(text, 1, std::numeric_limits<int16_t>::max(), option));
}

double timeDifferenceHours(std::string_view text) {
  const std::optional<double> hours = parseNumber(text);
  if (!hours || !(std::fabs(*hours) <= kLargestTimeDifference)) {
    throw UsageError("--tz must be hours from " + timeDifferenceRange() + ", not \"" + std::string(text) + "\"");
  }
  return *hours;
}

bool ReceiverOptions::take(std::string_view option, Arguments& args) {
  if (option == "--lat") {
    latitude = degreesText(option, args.value(option), kLargestLatitude);
    latitudeGiven = true;
  } else if (option == "--lat-hem") {
    latHemisphere = oneOf(args.value(option), "N|S", option);
    hemisphereGiven = true;
  } else if (option == "--lon") {
    longitude = degreesText(option, args.value(option), kLargestLongitude);
    longitudeGiven = true;
  } else if (option == "--lon-hem") {
    longHemisphere = oneOf(args.value(option), "E|W", option);
    hemisphereGiven = true;
  } else if (option == "--satellites") {
    satellitesInView = true;
  } else {
    return false;
  }
  return true;
}

void ReceiverOptions::applyTo(LinkSettings& settings) const {
  settings.latitude = latitude;
  settings.latHemisphere = latHemisphere;
  settings.longitude = leadingNumber(longitude);
  settings.longHemisphere = longHemisphere;
  settings.satellitesInView = satellitesInView;
}

std::string receiverOptionsHelp(std::string_view positionNote) {
  return std::string() +
         "  --lat DEGREES     latitude, 0 to " + generalNumber(kLargestLatitude) + "\n"
         "  --lat-hem N|S     hemisphere of the latitude (default " + kDefaultLatHemisphere + ")\n"
         "  --lon DEGREES     longitude, 0 to " + generalNumber(kLargestLongitude) + "\n"
         "  --lon-hem E|W     hemisphere of the longitude (default " + kDefaultLongHemisphere + ")\n" +
         std::string(positionNote) +
         "  --satellites      also print the satellites in view ($GPGSV) after each $GPGSA\n";
}

std::string timeDifferenceHelp() {
  return "  --tz HOURS        hours to add to local time to get UTC, " + timeDifferenceRange() + ": positive\n"
         "                    west of Greenwich, 5 for New York in winter, -1 for\n"
         "                    Amsterdam in winter, 0 for London in winter (--tz=-1\n"
         "                    works too).\n";
}

}  // namespace vx::cli
