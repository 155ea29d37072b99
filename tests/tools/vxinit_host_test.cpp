// SPDX-License-Identifier: MIT
// vxinit's console host and its --tz, in the process with the control's
// clock injected: the time difference it gives the control across a change
// to summer time, and what --tz accepts.
#include <gtest/gtest.h>

#include "cli.h"
#include "console_host.h"
#include "init_message.h"
#include "pty_receiver.h"
#include "receiver_bytes.h"
#include "receiver_messages.h"
#include "time_difference_option.h"
#include "vxcomm.h"

namespace vx {
namespace {

constexpr int kHour = 3600;

// vxinit started at 00:59:40 UTC on 29 March 2026 in Berlin, the receiver
// waking after summer time began at 01:00 UTC.
TEST(VxinitHost, SummerTimeBeginningBeforeTheWakeLeavesTheTimeExact) {
  struct Case {
    const char* what;
    std::optional<double> timeZone;  // --tz; nothing: the computer's own
    DateTime utc;
  };
  const Case cases[] = {
      {"no --tz", std::nullopt, {2026, 3, 29, 1, 0, 10}},
      {"--tz -1, the computer's own", chooseTimeDifference("-1", {kHour, "Europe/Berlin"}).hoursToUtc,
       {2026, 3, 29, 1, 0, 10}},
      {"--tz -5", -5.0, {2026, 3, 28, 22, 0, 10}},
  };
  for (const Case& c : cases) {
    test::PtyReceiver receiver;
    receiver.linkAsPort(1);
    LocalTime now{{2026, 3, 29, 1, 59, 40}, kHour};
    const LocalClock clock = [&now] { return now; };
    vxcomm control;
    control.setLocalClock(clock);
    ConsoleOptions options;
    options.port = 1;
    options.timeZone = c.timeZone;
    ConsoleHost host(&control, options, clock);
    host.start();
    now = {{2026, 3, 29, 3, 0, 10}, 2 * kHour};
    receiver.write(test::kLine + test::kLine + test::kLine);
    EXPECT_EQ(receiver.read(8), test::kLine) << c.what;
    receiver.write(positionMessage(ReceiverPosition{}) + test::kSync);
    const auto init = decodeInitMessage(receiver.read(54));
    ASSERT_TRUE(init) << c.what;
    EXPECT_EQ(init->utc, c.utc) << c.what;
    host.stop();
  }
}

// --tz as users type it, weighed against the computer's own difference.
TEST(VxinitTimeDifference, TakesWholeHoursAndTheComputersOwnFraction) {
  const ComputerZone india{5 * kHour + 1800, "Asia/Kolkata"};
  const ComputerZone nepal{5 * kHour + 2700, "Asia/Kathmandu"};
  const ComputerZone berlin{kHour, "Europe/Berlin"};
  const ComputerZone london{0, "Europe/London"};
  struct Case {
    const char* text;
    ComputerZone zone;
    std::optional<double> hoursToUtc;  // nothing: the computer's own
    const char* warning;
  };
  const Case cases[] = {
      {"-5.5", india, std::nullopt, ""},
      {"-5.50", india, std::nullopt, ""},
      {"-5.75", nepal, std::nullopt, ""},
      {"0", london, std::nullopt, ""},
      {"-1", berlin, std::nullopt, ""},
      {"+2", london, 2.0,
       "This computer's clock is on UTC (Europe/London), but --tz is 2: the receiver gets the local time plus 2 "
       "hours, not the exact UTC that leaving --tz out (or --tz 0) gives"},
      {"-5", india, -5.0,
       "This computer's clock is 5.5 hours ahead of UTC (Asia/Kolkata), but --tz is -5: the receiver gets the local "
       "time plus -5 hours, not the exact UTC that leaving --tz out (or --tz -5.5) gives"},
  };
  for (const Case& c : cases) {
    const TimeDifferenceChoice choice = chooseTimeDifference(c.text, c.zone);
    EXPECT_EQ(choice.hoursToUtc, c.hoursToUtc) << c.text;
    EXPECT_EQ(choice.warning, c.warning) << c.text;
  }
  for (const char* bad : {"-5.5", "0.25", "15", "-14.5", "x", "", "5h", "nan"}) {
    EXPECT_THROW(chooseTimeDifference(bad, berlin), cli::UsageError) << bad;
  }
}

}  // namespace
}  // namespace vx
