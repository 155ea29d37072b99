// SPDX-License-Identifier: MIT
// The binary messages a receiver of this family sends, built from field
// values at the places message_layout.h gives: the counterpart of
// nmea_sentences.h, for the simulator and the tests. The control never
// builds them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "control/core/date_time.h"
#include "control/core/message_builder.h"

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
  uint16_t carrierToNoise = 0;  // C/No, dB-Hz
};

// GPS time: whole weeks since 1980-01-06 and the seconds into the week,
// which runs kGpsLeapSeconds ahead of UTC.
struct GpsTime {
  uint16_t week = 0;
  uint32_t seconds = 0;
};
inline constexpr int kGpsLeapSeconds = 18;  // since 2017
GpsTime gpsTimeOf(const DateTime& utc);

// Message 1002; 45 data words; channels beyond those given are unused.
std::string channelMessage(const std::vector<ReceiverChannel>& channels, int dataWords = 45);
std::string channelMessage(const std::vector<ReceiverChannel>& channels, const GpsTime& time, int dataWords = 45);

// A satellite in view as message 1003 lists it; angles in 1e-4 radian.
struct VisibleSatellite {
  uint16_t satellite = 0;
  uint16_t azimuth = 0;  // 0 to 2 pi, from north through east
  int16_t elevation = 0;
};

// The dilutions of precision (x100) and the satellites in view.
struct ReceiverPrecision {
  int16_t gdop = 0, pdop = 0, hdop = 0, vdop = 0, tdop = 0;
  std::vector<VisibleSatellite> visible;  // at most twelve
};

// Message 1003; 45 data words hold twelve satellites in view. Fewer data
// words give the message of a receiver that sends fewer of its fields:
// 7 end it behind the vertical dilution (and `visible` must be empty).
std::string precisionMessage(const ReceiverPrecision& precision, int dataWords = 45);
// The message of a receiver that sends only the three dilutions $GPGSA repeats.
std::string precisionMessage(int16_t pdop, int16_t hdop, int16_t vdop, int dataWords = 7);

}  // namespace vx
