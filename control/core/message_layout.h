// SPDX-License-Identifier: MIT
// The receiver's binary messages: the sync word that starts each, the
// header, and where the fields of messages 1000, 1002 and 1003 (from the
// receiver) and 1200 (to it) stand, as word numbers of the message (word 1
// the sync word, words 2 to 5 the rest of the header, data from word 6).
// The decoders read the fields there; the encoders, the tools that play the
// receiver and the tests write them there.
#pragma once

#include <cstdint>

namespace vx {

inline constexpr unsigned char kSyncFirstByte = 0xFF;
inline constexpr unsigned char kSyncSecondByte = 0x81;
inline constexpr uint16_t kSyncWord = kSyncFirstByte | (kSyncSecondByte << 8);  // little-endian on the wire

// The header, whose checksum covers words 1 to 5; the data words and their
// checksum follow from word 6.
namespace header_words {
inline constexpr int kSync = 1;
inline constexpr int kId = 2;
inline constexpr int kDataWordCount = 3;
inline constexpr int kFlags = 4;
inline constexpr int kChecksum = 5;
inline constexpr int kFirst = kSync;
inline constexpr int kLast = kChecksum;
inline constexpr int kFirstDataWord = kLast + 1;
}  // namespace header_words

// Message 1000, the navigation solution.
namespace position_words {
inline constexpr int kStatus = 10;  // low byte; 0 is a valid fix
inline constexpr int kDay = 19;
inline constexpr int kMonth = 20;
inline constexpr int kYear = 21;
inline constexpr int kHours = 22;
inline constexpr int kMinutes = 23;
inline constexpr int kSeconds = 24;
inline constexpr int kLatitude = 27;   // two words, 1e-8 radian
inline constexpr int kLongitude = 29;  // two words, 1e-8 radian
inline constexpr int kSpeed = 34;      // two words, cm/s
inline constexpr int kCourse = 36;     // mrad
inline constexpr int kVariation = 37;  // magnetic, 1e-4 radian
inline constexpr int kLast = kVariation;
}  // namespace position_words

// Message 1002, the channels: three words each from word 15, the status
// (bit 0 of its low byte: used in the solution), the satellite's number in
// the low byte of the second, and the third the signal's carrier-to-noise
// density C/No in dB-Hz. A message that ends with the last satellite word
// still gives the satellites used; their signals need the word behind it.
namespace channel_words {
inline constexpr int kChannels = 12;
constexpr int status(int channel) { return 15 + 3 * channel; }
constexpr int satellite(int channel) { return 16 + 3 * channel; }
constexpr int carrierToNoise(int channel) { return 17 + 3 * channel; }
inline constexpr int kLast = satellite(kChannels - 1);
inline constexpr int kLastSignal = carrierToNoise(kChannels - 1);
// The receiver's clock as GPS time: the week, and the seconds into it in
// two words, low first. Hosts that read them (gpsd) date the message so.
inline constexpr int kGpsWeek = 10;
inline constexpr int kGpsSeconds = 11;
}  // namespace channel_words

// Message 1003, the dilutions of precision (x100), then the satellites in
// view: their count (at most twelve) and three words each, the satellite's
// number, its azimuth (unsigned, 1e-4 radian from north through east) and
// its elevation (signed, 1e-4 radian). The receivers of this family that
// send only the dilutions end the message behind the vertical one.
namespace precision_words {
inline constexpr int kGeometric = 9;
inline constexpr int kPosition = 10;
inline constexpr int kHorizontal = 11;
inline constexpr int kVertical = 12;
inline constexpr int kTime = 13;
inline constexpr int kLast = kVertical;  // the dilutions $GPGSA repeats
inline constexpr int kVisibleCount = 14;
inline constexpr int kMostVisible = 12;
constexpr int visibleSatellite(int index) { return 15 + 3 * index; }
constexpr int azimuth(int index) { return 16 + 3 * index; }
constexpr int elevation(int index) { return 17 + 3 * index; }
}  // namespace precision_words

// Message 1200, the initialisation the host sends: 21 data words, UTC date
// and time, and the position as the upper halves of counts of 1e-8 radian.
namespace init_words {
inline constexpr int kSequence = 6;
inline constexpr int kSettings = 7;  // which of the message's fields the receiver takes
inline constexpr int kDay = 11;
inline constexpr int kMonth = 12;
inline constexpr int kYear = 13;
inline constexpr int kHours = 14;
inline constexpr int kMinutes = 15;
inline constexpr int kSeconds = 16;
inline constexpr int kLatitude = 18;
inline constexpr int kLongitude = 20;
inline constexpr int kDataWords = 21;
inline constexpr int kLast = header_words::kFirstDataWord + kDataWords;  // the data checksum
}  // namespace init_words

}  // namespace vx
