// Receiver messages built from field values, for tests. Word numbers are
// those of the message (word 1 is the sync word, data starts at word 6).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vx::test {

// Data words of a message long enough for `words` words in all (header
// included), all zero; set(word, value) places a word by its number.
class MessageWords {
 public:
  explicit MessageWords(int dataWords) : data_(static_cast<std::size_t>(dataWords), 0) {}
  MessageWords& set(int word, uint16_t value);
  MessageWords& set32(int firstWord, int32_t value);  // low word first
  MessageWords& setLowByte(int word, uint8_t value);
  std::string build(uint16_t id) const;

 private:
  std::vector<uint16_t> data_;
};

struct Position {
  uint16_t hours = 0, minutes = 0, seconds = 0;
  uint8_t status = 0;
  int32_t latitude = 0, longitude = 0;  // 1e-8 radian
  uint32_t speed = 0;                   // cm/s
  uint16_t course = 0;                  // mrad
  uint16_t day = 1, month = 1, year = 2000;
  int16_t variation = 0;                // 1e-4 radian
};

// Message 1000 with 49 data words, as the receivers of this family send it.
std::string positionMessage(const Position& p, int dataWords = 49);

struct Channel {
  uint8_t status = 0;
  uint8_t satellite = 0;
};

// Message 1002 with 45 data words; channels beyond those given are unused.
std::string channelMessage(const std::vector<Channel>& channels, int dataWords = 45);

// Message 1003 carrying the dilutions of precision (x100).
std::string precisionMessage(int16_t pdop, int16_t hdop, int16_t vdop, int dataWords = 7);

}  // namespace vx::test
