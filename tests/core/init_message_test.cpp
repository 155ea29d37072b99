// SPDX-License-Identifier: MIT
#include "control/core/init_message.h"

#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>

#include "control/core/date_time.h"
#include "control/core/receiver_link.h"
#include "tests/support/receiver_bytes.h"
#include "tests/support/transcript.h"

namespace vx {
namespace {


TEST(InitMessage, WorkedExampleComesOutByteForByte) {
  InitTemplate message;
  message.fill(toUtc(test::workedExampleClock(), 5), positionWord(42.4413), positionWord(-71.2544));
  uint16_t sequence = 0;
  const std::string bytes = message.encode(sequence);
  EXPECT_EQ(bytes.size(), kInitMessageBytes);
  EXPECT_EQ(test::hexBytes(bytes), test::kWorkedExampleInit);
  EXPECT_EQ(sequence, 1);
}

TEST(InitMessage, ResetLeavesNoTimeOrPosition) {
  InitTemplate message;
  message.fill({2026, 1, 2, 3, 4, 5}, 7, 8);
  message.reset();
  uint16_t sequence = 0;
  const auto content = decodeInitMessage(message.encode(sequence));
  ASSERT_TRUE(content);
  EXPECT_EQ(content->utc, DateTime{});
  EXPECT_EQ(content->latitude, 0);
  EXPECT_EQ(content->longitude, 0);
}

TEST(InitMessage, ChecksumsZeroTheSumOfTheWordsTheyCover) {
  InitTemplate message;
  message.fill({2031, 7, 19, 23, 59, 58}, positionWord(-33.9), positionWord(151.2));
  for (uint16_t sequence : {uint16_t{0}, uint16_t{41}, uint16_t{65535}}) {
    const std::string bytes = message.encode(sequence);
    const auto word = [&](int n) {
      return static_cast<unsigned>(static_cast<unsigned char>(bytes[2 * n - 2]) |
                                   static_cast<unsigned char>(bytes[2 * n - 1]) << 8);
    };
    unsigned header = 0, data = 0;
    for (int n = 1; n <= 5; ++n) header += word(n);
    for (int n = 6; n <= 27; ++n) data += word(n);
    EXPECT_EQ(header % 65536, 0u);
    EXPECT_EQ(data % 65536, 0u) << "sequence " << sequence;
    EXPECT_EQ(bytes.substr(8, 2), "\x3C\x79");
    EXPECT_EQ(word(6), sequence);
  }
}

TEST(InitMessage, SequenceCounterRunsOnAsAnUnsignedWord) {
  InitTemplate message;
  uint16_t sequence = 32767;
  EXPECT_EQ(test::hexBytes(message.encode(sequence).substr(10, 2)), "00 80");
  sequence = 65535;
  EXPECT_EQ(test::hexBytes(message.encode(sequence).substr(10, 2)), "00 00");
  EXPECT_EQ(sequence, 0);
}

TEST(PositionWord, IsTheUpperHalfOfTheAngleInTenNanoradians) {
  EXPECT_EQ(positionWord(0), 0);
  EXPECT_EQ(positionWord(42.4413), 1130);
  EXPECT_EQ(positionWord(-71.2544), 63638);
  EXPECT_EQ(positionWord(-33.9), 64633);
  EXPECT_EQ(positionWord(std::numeric_limits<double>::infinity()), 0);
  EXPECT_EQ(positionWord(1e300), 0);  // beyond a double once scaled: no failure
}

TEST(UtcFromLocalTime, AddsTheTimeDifferenceToTheHours) {
  EXPECT_EQ(toUtc({2026, 12, 5, 22, 30, 15}, 5), (DateTime{2026, 12, 6, 3, 30, 15}));
  EXPECT_EQ(toUtc({2026, 6, 1, 12, 0, 0}, 0), (DateTime{2026, 6, 1, 12, 0, 0}));
  EXPECT_EQ(toUtc({2026, 3, 1, 2, 0, 0}, -5), (DateTime{2026, 2, 28, 21, 0, 0}));
  EXPECT_EQ(toUtc({2026, 5, 1, 1, 0, 0}, -3), (DateTime{2026, 4, 30, 22, 0, 0}));
}

TEST(UtcFromLocalTime, CarriesTheDayThroughTheRealCalendar) {
  EXPECT_EQ(toUtc({2027, 2, 28, 23, 10, 0}, 1), (DateTime{2027, 3, 1, 0, 10, 0}));
  EXPECT_EQ(toUtc({2028, 2, 28, 23, 10, 0}, 1), (DateTime{2028, 2, 29, 0, 10, 0}));
  EXPECT_EQ(toUtc({2028, 3, 1, 2, 0, 0}, -5), (DateTime{2028, 2, 29, 21, 0, 0}));
  EXPECT_EQ(toUtc({2026, 12, 31, 20, 0, 0}, 5), (DateTime{2027, 1, 1, 1, 0, 0}));
  EXPECT_EQ(toUtc({2027, 1, 1, 3, 0, 0}, -10), (DateTime{2026, 12, 31, 17, 0, 0}));
  EXPECT_EQ(toUtc({2026, 1, 1, 0, 0, 0}, -24), (DateTime{2025, 12, 31, 0, 0, 0}));
  EXPECT_EQ(toUtc({2026, 1, 1, 0, 0, 0}, -25), (DateTime{2025, 12, 30, 23, 0, 0}));
  EXPECT_EQ(toUtc({2026, 1, 1, 0, 0, 0}, 48), (DateTime{2026, 1, 3, 0, 0, 0}));
  // A step no calendar holds is refused, not wrapped into some date.
  for (const double step : {std::nan(""), 1e300, -1e12}) {
    EXPECT_THROW(addSeconds({2026, 1, 1, 0, 0, 0}, step), std::out_of_range) << step;
  }
}

// The receiver gets the clock's exact UTC whenever TimeZone was the zone's
// own difference when it was set (rounded as the property rounds), and
// local time plus TimeZone hours when a host chose another difference.
TEST(UtcForReceiver, IsExactWhenTimeZoneIsTheComputersOwn) {
  constexpr int kHour = 3600;
  struct Case {
    const char* zone;
    int offset;     // seconds ahead of UTC
    int timeZone;   // the control's setting
    DateTime utc;   // what the receiver gets for local 2026-12-07 12:00:00
  };
  const Case cases[] = {
      {"UTC", 0, 0, {2026, 12, 7, 12, 0, 0}},
      {"Amsterdam in summer", 2 * kHour, -2, {2026, 12, 7, 10, 0, 0}},
      {"New York in winter", -5 * kHour, 5, {2026, 12, 7, 17, 0, 0}},
      {"India, +5:30", 5 * kHour + 1800, -6, {2026, 12, 7, 6, 30, 0}},
      {"Newfoundland, -3:30", -3 * kHour - 1800, 4, {2026, 12, 7, 15, 30, 0}},
      {"Nepal, +5:45", 5 * kHour + 2700, -6, {2026, 12, 7, 6, 15, 0}},
      {"Chatham, +12:45, across midnight", 12 * kHour + 2700, -13, {2026, 12, 6, 23, 15, 0}},
      {"Kiribati, +14, across midnight", 14 * kHour, -14, {2026, 12, 6, 22, 0, 0}},
      // A difference other than the zone's own is the host's choice: added as it stands.
      {"India, TimeZone set to -5", 5 * kHour + 1800, -5, {2026, 12, 7, 7, 0, 0}},
      {"Amsterdam, TimeZone left at 5", 1 * kHour, 5, {2026, 12, 7, 17, 0, 0}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(utcForReceiver({{2026, 12, 7, 12, 0, 0}, c.offset}, c.timeZone, c.offset), c.utc) << c.zone;
  }
  // No zone known (a fixed local time): always local time plus TimeZone hours.
  EXPECT_EQ(utcForReceiver(DateTime{2026, 12, 7, 12, 0, 0}, 0, std::nullopt), (DateTime{2026, 12, 7, 12, 0, 0}));
}

// One rule rounds a zone's offset and the TimeZone property: halves to the
// even neighbour. Rounding halves away from zero would put every half-hour
// zone below an hour away from the rule the property follows.
TEST(HoursToUtc, RoundsHalfHourZonesToTheEvenNeighbour) {
  constexpr int kHour = 3600;
  const std::pair<const char*, std::pair<int, int>> cases[] = {
      {"Newfoundland in summer, -2:30", {-2 * kHour - 1800, 2}},
      {"Newfoundland in winter, -3:30", {-3 * kHour - 1800, 4}},
      {"Kabul, +4:30", {4 * kHour + 1800, -4}},
      {"India, +5:30", {5 * kHour + 1800, -6}},
      {"Yangon, +6:30", {6 * kHour + 1800, -6}},
      {"Marquesas, -9:30", {-9 * kHour - 1800, 10}},
      {"Lord Howe, +10:30", {10 * kHour + 1800, -10}},
      {"Nepal, +5:45", {5 * kHour + 2700, -6}},
      {"Berlin in summer, +2", {2 * kHour, -2}},
  };
  for (const auto& [zone, offsetAndHours] : cases) {
    EXPECT_EQ(hoursToUtc(offsetAndHours.first), offsetAndHours.second) << zone;
  }
}

TEST(UtcForReceiver, ReachesTheInitialisationMessageAcrossMidnightUtc) {
  // Local 00:20 on 1 January 2027 in India is 18:50 on 31 December 2026 UTC.
  std::string sent;
  ReceiverLink link([] { return LocalTime({2027, 1, 1, 0, 20, 5}, 5 * 3600 + 1800); },
                    [&](std::string_view bytes) { sent = bytes; });
  setTimeZone(link.settings(), -6, {{}, 5 * 3600 + 1800});
  const auto keepGoing = [] { return true; };
  link.receive(test::kLine + test::kLine + test::kLine, keepGoing);
  link.receive("line before binary\r\n" + test::kSync, keepGoing);
  const auto content = decodeInitMessage(sent);
  ASSERT_TRUE(content);
  EXPECT_EQ(content->utc, (DateTime{2026, 12, 31, 18, 50, 5}));
}

}  // namespace
}  // namespace vx
