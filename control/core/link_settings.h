// The five settings the receiver is initialised from, as the host gave them.
#pragma once

#include <cstdint>
#include <string>

namespace vx {

struct LinkSettings {
  std::string latitude = "42.4413";  // text, unchecked; read by the leading-number rule
  std::string latHemisphere = "N";   // exactly "S" is southern
  double longitude = 71.2544;
  std::string longHemisphere = "W";  // exactly "W" is western
  int16_t timeZone = 5;              // hours to add to local time to get UTC
};

}  // namespace vx
