// SPDX-License-Identifier: MIT
// The settings vxinit initialises the receiver from, with the clock
// injected: the time difference it gives the receive path across a change
// to summer time, and what --tz accepts.
#include <gtest/gtest.h>

#include "control/core/init_message.h"
#include "control/core/receiver_link.h"
#include "tests/support/receiver_bytes.h"
#include "tools/cli/cli.h"
#include "tools/messages/receiver_messages.h"
#include "tools/vxinit/receiver_session.h"
#include "tools/vxinit/time_difference_option.h"

namespace vx {
namespace {

constexpr int kHour = 3600;

// vxinit started at 00:59:40 UTC on 29 March 2026 in Berlin, the receiver
// waking after summer time began at 01:00 UTC.
TEST(VxinitSettings, SummerTimeBeginningBeforeTheWakeLeavesTheTimeExact) {
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
    LocalTime now{{2026, 3, 29, 1, 59, 40}, kHour};
    std::string sent;
    ReceiverLink link([&now] { return now; }, [&sent](std::string_view bytes) { sent += bytes; });
    SessionOptions options;
    options.timeZone = c.timeZone;
    link.settings() = linkSettingsFor(options, now);
    now = {{2026, 3, 29, 3, 0, 10}, 2 * kHour};
    link.receive(test::kLine + test::kLine + test::kLine + positionMessage(ReceiverPosition{}) + test::kSync,
                 [] { return true; });
    ASSERT_TRUE(sent.starts_with(test::kLine)) << c.what;
    const auto init = decodeInitMessage(std::string_view(sent).substr(test::kLine.size()));
    ASSERT_TRUE(init) << c.what;
    EXPECT_EQ(init->utc, c.utc) << c.what;
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
       "time minus 5 hours, not the exact UTC that leaving --tz out (or --tz -5.5) gives"},
      {"-1", london, -1.0,
       "This computer's clock is on UTC (Europe/London), but --tz is -1: the receiver gets the local time minus 1 "
       "hour, not the exact UTC that leaving --tz out (or --tz 0) gives"},
  };
  for (const Case& c : cases) {
    const TimeDifferenceChoice choice = chooseTimeDifference(c.text, c.zone);
    EXPECT_EQ(choice.hoursToUtc, c.hoursToUtc) << c.text;
    EXPECT_EQ(choice.warning, c.warning) << c.text;
  }
  for (const char* bad : {"-5.5", "0.25", "15", "-14.5", "x", "", "5h", "nan"}) {
    EXPECT_THROW(chooseTimeDifference(bad, berlin), cli::UsageError) << bad;
  }
  for (const char* edge : {"14", "-14"}) EXPECT_NO_THROW(chooseTimeDifference(edge, berlin)) << edge;  // as --help says
}

}  // namespace
}  // namespace vx
