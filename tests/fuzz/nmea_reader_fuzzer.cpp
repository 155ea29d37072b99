// SPDX-License-Identifier: MIT
// libFuzzer entry for the sentence reader: any text a host hands the
// monitor or vxinit. What it reads is always within the ranges it promises.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "control/core/nmea_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const std::string_view sentence(reinterpret_cast<const char*>(data), size);
  if (const auto position = vx::readPositionSentence(sentence)) {
    if (!(std::fabs(position->latitude) <= 90 && std::fabs(position->longitude) <= 180)) std::abort();
  }
  if (const auto precision = vx::readPrecisionSentence(sentence)) {
    if (precision->used.size() > 12 || precision->fixMode < 1 || precision->fixMode > 3) std::abort();
  }
  if (const auto satellites = vx::readSatellitesSentence(sentence)) {
    if (satellites->satellites.size() > 4 || satellites->sentence > satellites->sentences) std::abort();
  }
  return 0;
}
