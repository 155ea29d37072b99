// SPDX-License-Identifier: MIT
// The binary messages a receiver of this family sends, built from field
// values at the places message_layout.h gives: the counterpart of
// nmea_sentences.h, for the simulator and the tests. The control never
// builds them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "message_builder.h"

namespace vx {

struct ReceiverPosition {
  uint16_t hours = 0, minutes = 0, seconds = 0;
  uint8_t status = 0;                   // 0: a valid fix
  int32_t latitude = 0, longitude = 0;  // 1e-8 radian
  uint32_t speed = 0;                   // cm/s
  uint16_t course = 0;                  // mrad
  uint16_t day = 1, month = 1, year = 2000;
  int16_t variation = 0;                // 1e-4 radian
};

// Message 1000; 49 data words, as the receivers of this family send it.
std::string positionMessage(const ReceiverPosition& p, int dataWords = 49);

struct ReceiverChannel {
  uint8_t status = 0;  // bit 0: used in the solution
  uint8_t satellite = 0;
};

// Message 1002; 45 data words; channels beyond those given are unused.
std::string channelMessage(const std::vector<ReceiverChannel>& channels, int dataWords = 45);

// Message 1003 with the dilutions of precision (x100).
std::string precisionMessage(int16_t pdop, int16_t hdop, int16_t vdop, int dataWords = 7);

}  // namespace vx
