// SPDX-License-Identifier: MIT
// The receiver's binary messages: the sync word that starts each, and where
// the fields of messages 1000, 1002 and 1003 stand, as word numbers of the
// message (word 1 the sync word, words 2 to 5 the rest of the header, data
// from word 6). The decoders read the fields there; the tools that play
// the receiver and the tests write them there.
#pragma once

#include <cstdint>

namespace vx {

inline constexpr unsigned char kSyncFirstByte = 0xFF;
inline constexpr unsigned char kSyncSecondByte = 0x81;
inline constexpr uint16_t kSyncWord = kSyncFirstByte | (kSyncSecondByte << 8);  // little-endian on the wire

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
// (bit 0 of its low byte: used in the solution) and the satellite's number
// in the low bytes of the first two.
namespace channel_words {
inline constexpr int kChannels = 12;
constexpr int status(int channel) { return 15 + 3 * channel; }
constexpr int satellite(int channel) { return 16 + 3 * channel; }
inline constexpr int kLast = satellite(kChannels - 1);
}  // namespace channel_words

// Message 1003, the dilutions of precision, x100.
namespace precision_words {
inline constexpr int kPosition = 10;
inline constexpr int kHorizontal = 11;
inline constexpr int kVertical = 12;
inline constexpr int kLast = kVertical;
}  // namespace precision_words

}  // namespace vx
