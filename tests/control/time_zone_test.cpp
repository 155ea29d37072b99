// SPDX-License-Identifier: MIT
// The time the control sends the receiver, with TimeZone put by name as
// the program puts it (its box's text, west of Greenwich positive) and the
// clock injected: the whole exchange on a pseudo-terminal.
#include <gtest/gtest.h>

#include "control/core/init_message.h"
#include "control/host/late_bound.h"
#include "control/vxcomm.h"
#include "tests/support/pty_receiver.h"
#include "tests/support/qt_printers.h"
#include "tests/support/receiver_bytes.h"
#include "tools/messages/receiver_messages.h"

namespace vx {
namespace {

constexpr int kHour = 3600;

class TimeZoneExchange : public ::testing::Test {
 protected:
  void SetUp() override {
    receiver.linkAsPort(3);
    control.setLocalClock([this] { return now; });
    control.setCommPort(3);
  }

  // Opens the port, wakes the receiver and returns the UTC time it was sent.
  std::optional<DateTime> wakeAndReadUtc() {
    control.setPortOpen(-1);
    // A reset keeps the receive buffer: the end of the last exchange's
    // message becomes a line of its own before the three "EARTHA" lines.
    receiver.write("\r\n" + test::kLine + test::kLine + test::kLine);
    EXPECT_EQ(receiver.read(8), test::kLine);
    receiver.write(positionMessage(ReceiverPosition{}) + test::kSync);
    const auto init = decodeInitMessage(receiver.read(54));
    control.setPortOpen(0);
    if (!init) return std::nullopt;
    return init->utc;
  }

  test::PtyReceiver receiver;
  vxcomm control;
  LocalTime now;
};

// The box's text for half-hour zones is rounded to whole hours, halves to
// the even neighbour, and the receiver still gets the clock's exact UTC.
TEST_F(TimeZoneExchange, HalfHourZonesGetTheExactUtcAndTimeZoneRoundsHalvesToEven) {
  struct Case {
    const char* zone;
    int offset;            // seconds ahead of UTC
    const char* handedOn;  // the program's box after Continue
    int timeZone;          // what TimeZone then reads
  };
  const Case cases[] = {
      {"Newfoundland in summer, -2:30", -2 * kHour - 1800, "2.5", 2},
      {"Kabul, +4:30", 4 * kHour + 1800, "-4.5", -4},
      {"India, +5:30", 5 * kHour + 1800, "-5.5", -6},
      {"Yangon, +6:30", 6 * kHour + 1800, "-6.5", -6},
      {"Lord Howe, +10:30", 10 * kHour + 1800, "-10.5", -10},
      {"Nepal, +5:45", 5 * kHour + 2700, "-5.75", -6},
  };
  const DateTime local{2026, 12, 7, 12, 0, 0};
  for (const Case& c : cases) {
    now = {local, c.offset};
    LateBound(&control).put("TimeZone", c.handedOn);
    EXPECT_EQ(control.TimeZone(), c.timeZone) << c.zone;
    EXPECT_EQ(wakeAndReadUtc(), addSeconds(local, -c.offset)) << c.zone;
  }
}

// Berlin's summer time begins at 01:00 UTC on 29 March 2026: TimeZone set
// 20 seconds before, the receiver waking 10 seconds after.
TEST_F(TimeZoneExchange, SummerTimeBeginningBeforeTheWakeLeavesTheTimeExact) {
  struct Case {
    const char* handedOn;
    DateTime utc;
  };
  const Case cases[] = {
      {"-1", {2026, 3, 29, 1, 0, 10}},   // the computer's own when set: exact
      {"-5", {2026, 3, 28, 22, 0, 10}},  // the host's own choice: local time plus -5 hours
  };
  for (const Case& c : cases) {
    now = {{2026, 3, 29, 1, 59, 40}, kHour};
    LateBound(&control).put("TimeZone", c.handedOn);
    now = {{2026, 3, 29, 3, 0, 10}, 2 * kHour};
    EXPECT_EQ(wakeAndReadUtc(), c.utc) << c.handedOn;
  }
  // And where summer time ends, on 25 October 2026 at 01:00 UTC.
  now = {{2026, 10, 25, 2, 59, 40}, 2 * kHour};
  control.setTimeZone(-2);
  now = {{2026, 10, 25, 2, 0, 10}, kHour};
  EXPECT_EQ(wakeAndReadUtc(), (DateTime{2026, 10, 25, 1, 0, 10}));
}

}  // namespace
}  // namespace vx
