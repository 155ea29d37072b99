// SPDX-License-Identifier: MIT
// NMEA 0183 sentences synthesised from the receiver's binary messages.
//
// A message text is the whole message as received: header and data, one
// char per byte; word n occupies bytes 2n-1 and 2n (counting from 1). A
// message too short for the fields a handler reads yields nothing.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "control/core/satellite_reports.h"
#include "control/core/sentence_text.h"

namespace vx {

inline constexpr int kPositionMessageId = 1000;
inline constexpr int kChannelMessageId = 1002;
inline constexpr int kPrecisionMessageId = 1003;

// The dilutions of precision that message 1003 reports and $GPGSA repeats.
// They read 0 until the first message 1003.
struct DilutionsOfPrecision {
  double position = 0;
  double horizontal = 0;
  double vertical = 0;
};

// $GPRMC from message 1000: time, status, position, speed, course, date,
// magnetic variation.
std::optional<std::string> positionSentence(std::string_view message);

// $GPGSA from message 1002: the satellites used, then the stored dilutions.
std::optional<std::string> channelSentence(std::string_view message,
                                           const DilutionsOfPrecision& dilutions);

// The same sentences written over `sentence`: the receive path makes them
// without allocating. False when the message is too short (`sentence`
// is then left as it was) or the text would not fit.
bool writePositionSentence(SentenceText& sentence, std::string_view message);
bool writeChannelSentence(SentenceText& sentence, std::string_view message,
                          const DilutionsOfPrecision& dilutions);

// $GPGSV: the satellites on the receiver's channels (channelSatellites),
// four to a sentence; elevation and azimuth where `sky` lists the
// satellite (empty fields otherwise), the SNR its C/No (at most 99). No
// satellite on any channel is one sentence that says so. The group has
// satelliteSentenceCount sentences; writeSatelliteSentence writes the one
// numbered `number`, from 1, false if it would not fit.
int satelliteSentenceCount(const ChannelSatellites& inView);
bool writeSatelliteSentence(SentenceText& sentence, const ChannelSatellites& inView, const SkyView& sky, int number);

// The dilutions that message 1003 carries.
std::optional<DilutionsOfPrecision> precisionFromMessage(std::string_view message);

// The XOR of the body's characters: what the two hex digits after "*" write.
unsigned char sentenceChecksum(std::string_view body);

// "$", the body, "*" and the two capital hex digits of the XOR of the body.
std::string finishSentence(std::string_view body);

// Ends a sentence that holds "$" and its body with "*" and the checksum.
void closeSentence(std::string& sentence);
void closeSentence(SentenceText& sentence);

}  // namespace vx
