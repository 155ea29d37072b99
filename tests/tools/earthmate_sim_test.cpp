// SPDX-License-Identifier: MIT
// The simulated receiver's model and its reading of what the host sends.
#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "control/core/init_message.h"
#include "control/core/message_checksum.h"
#include "control/core/message_layout.h"
#include "control/core/nmea_sentences.h"
#include "tools/earthmate-sim/fix_model.h"
#include "tools/earthmate-sim/host_reader.h"
#include "tools/messages/receiver_messages.h"

namespace vx::sim {
namespace {

const DateTime kTruth{2026, 12, 7, 3, 30, 15};

InitMessageContent initAt(double latitude, double longitude, DateTime utc) {
  return {1, utc, latitude, longitude};
}

std::string encodedInit(uint16_t sequenceBefore) {
  InitTemplate message;
  message.fill(kTruth, positionWord(52.06), positionWord(5.14));
  return message.encode(sequenceBefore);
}

TEST(FixModel, ValidInitialisationGivesAWarmFix) {
  FixModel model({}, 1);
  EXPECT_EQ(model.fixAt(), 45);
  const InitVerdict verdict = model.initialise(initAt(52.04, 5.14, addSeconds(kTruth, 120)), kTruth, 3);
  EXPECT_TRUE(verdict.accepted) << verdict.text;
  EXPECT_EQ(verdict.text, "accepted: 2.0 min and 3 km from the truth");
  EXPECT_EQ(model.fixAt(), 11);
}

TEST(FixModel, InitialisationFarOffInTimeOrPlaceIsRejected) {
  FixModel model({}, 1);
  EXPECT_FALSE(model.initialise(initAt(52.04, 5.14, addSeconds(kTruth, 601)), kTruth, 3).accepted);
  EXPECT_FALSE(model.initialise(initAt(42.44, -71.25, kTruth), kTruth, 3).accepted);
  EXPECT_EQ(model.fixAt(), 45);
}

TEST(FixModel, MessagesDecodeToWhatTheReceiverKnows) {
  FixModel model({}, 1);
  const SecondOfMessages before = model.second(kTruth, 1);
  EXPECT_EQ(positionSentence(before.position)->substr(0, 16), "$GPRMC,033015,V,");
  const SecondOfMessages after = model.second(kTruth, 50);
  const std::string rmc = *positionSentence(after.position);
  EXPECT_EQ(rmc.substr(0, 23), "$GPRMC,033015,A,5203.75") << rmc;  // near the truth, 52.0626
  EXPECT_NE(rmc.find(",N,00508.31"), std::string::npos) << rmc;
  EXPECT_NE(rmc.find(",071226,"), std::string::npos) << rmc;
  const auto dops = precisionFromMessage(after.precision);
  ASSERT_TRUE(dops);
  EXPECT_GE(dops->position, 1);
  EXPECT_LE(dops->position, 3);
  const std::string gsa = *channelSentence(after.channels, *dops);
  int satellites = 0;
  for (std::size_t at = 10; at + 2 < gsa.size() && gsa[at] == ',' && gsa[at + 1] != ','; at += 3) ++satellites;
  EXPECT_GE(satellites, 4) << gsa;
  EXPECT_LE(satellites, Constellation::kInView) << gsa;
}

// One channel of a message 1002, read at the words the receivers use.
struct Channel {
  int status = 0, satellite = 0, signal = 0;
};

std::vector<Channel> channelsOf(const std::string& message) {
  std::vector<Channel> channels;
  for (int i = 0; i < channel_words::kChannels; ++i) {
    channels.push_back({messageWord(message, channel_words::status(i)) & 0xFF,
                        messageWord(message, channel_words::satellite(i)) & 0xFF,
                        messageWord(message, channel_words::carrierToNoise(i))});
  }
  return channels;
}

int heard(const std::vector<Channel>& channels) {
  return static_cast<int>(std::count_if(channels.begin(), channels.end(), [](const Channel& c) { return c.signal > 0; }));
}

TEST(Constellation, RealSatelliteNumbersMovingSlowlyAcrossTheSky) {
  std::mt19937 random(3);
  Constellation sky(random);
  std::set<int> seen;
  for (double at = 1; at <= 4 * 3600; at += 1) {
    const auto before = sky.satellites();
    sky.moveTo(at);
    std::set<int> numbers;
    for (std::size_t i = 0; i < before.size(); ++i) {
      const SkySatellite& now = sky.satellites()[i];
      numbers.insert(now.number);
      ASSERT_TRUE(now.number >= 1 && now.number <= Constellation::kHighestNumber) << now.number;
      ASSERT_GE(now.elevation, Constellation::kMaskAngle);
      if (now.number == before[i].number) {
        ASSERT_LT(std::fabs(now.elevation - before[i].elevation), 0.02) << at;
      }
    }
    ASSERT_EQ(numbers.size(), static_cast<std::size_t>(Constellation::kInView)) << at;  // no satellite twice
    seen.insert(numbers.begin(), numbers.end());
  }
  EXPECT_GT(seen.size(), static_cast<std::size_t>(Constellation::kInView));  // some set, others rose
}

// Told where it is, the receiver hears most satellites within a few
// seconds; left alone, one by one over the cold time.
TEST(FixModel, SatellitesAreAcquiredFastAfterARightInitialisationAndOneByOneWithout) {
  FixModel told({}, 5), alone({}, 5);
  told.initialise(initAt(52.06, 5.14, kTruth), kTruth, 3);
  EXPECT_GE(heard(channelsOf(told.second(kTruth, 3 + 6).channels)), 8);
  int before = 0;
  for (int second = 1; second <= 45; ++second) {
    const int now = heard(channelsOf(alone.second(kTruth, second).channels));
    EXPECT_GE(now, before) << second;
    EXPECT_LE(now, before + 1) << second;
    before = now;
  }
  EXPECT_EQ(before, Constellation::kInView);
}

// Used only with a fix and a signal, taken in only with a strong one, and
// stable from second to second; the signals vary by a dB or two.
TEST(FixModel, UsedSatellitesHaveSignalAndStayUsed) {
  FixModel model({}, 9);
  std::vector<Channel> last;
  int changes = 0, steps = 0;
  for (int second = 1; second <= 300; ++second) {
    const std::vector<Channel> now = channelsOf(model.second(kTruth, second).channels);
    for (std::size_t i = 0; i < now.size(); ++i) {
      const bool used = now[i].status & 1;
      EXPECT_TRUE(!used || (model.hasFix(second) && now[i].signal > 0)) << second;
      if (last.empty() || last[i].satellite != now[i].satellite || last[i].signal == 0) continue;
      const bool takenIn = used && !(last[i].status & 1);
      EXPECT_TRUE(!takenIn || now[i].signal >= FixModel::kUsableSignal - 1) << second;
      EXPECT_TRUE(used || !(last[i].status & 1)) << "satellite " << now[i].satellite << " at " << second;
      const int change = std::abs(now[i].signal - last[i].signal);
      EXPECT_LE(change, 5) << second;  // the climb after acquisition and the noise
      changes += change, ++steps;
    }
    last = now;
  }
  EXPECT_GT(changes, 0);
  EXPECT_LT(static_cast<double>(changes) / steps, 1.5);
}

// The dilutions agree as a receiver's do, 1003 lists the satellites of
// the channels, and 1002 carries today's GPS time.
TEST(FixModel, DilutionsAgreeAndMessagesCarryTheSatellitesAndGpsTime) {
  FixModel model({}, 2);
  for (int second : {1, 30, 60, 200}) {
    const SecondOfMessages messages = model.second(kTruth, second);
    const auto word = [&](int at) { return messageWord(messages.precision, at) / 100.0; };
    namespace at = precision_words;
    const double g = word(at::kGeometric), p = word(at::kPosition), h = word(at::kHorizontal),
                 v = word(at::kVertical), t = word(at::kTime);
    EXPECT_NEAR(std::hypot(h, v), p, 0.01) << second;
    EXPECT_NEAR(std::hypot(p, t), g, 0.01) << second;
    EXPECT_TRUE(!model.hasFix(second) || p < 4) << second << ": " << p;
    ASSERT_EQ(messageWord(messages.precision, at::kVisibleCount), Constellation::kInView);
    const std::vector<Channel> channels = channelsOf(messages.channels);
    for (int i = 0; i < Constellation::kInView; ++i)
      EXPECT_EQ(messageWord(messages.precision, at::visibleSatellite(i)), channels[static_cast<std::size_t>(i)].satellite);
    const GpsTime time = gpsTimeOf(kTruth);
    EXPECT_EQ(messageWord(messages.channels, channel_words::kGpsWeek), time.week);
    EXPECT_EQ(messageWord(messages.channels, channel_words::kGpsSeconds), time.seconds & 0xFFFF);
  }
  // GPS week 1930 began at the first second of 2017, UTC, when GPS time ran 18 s ahead.
  EXPECT_EQ(gpsTimeOf({2017, 1, 1, 0, 0, 0}).week, 1930);
  EXPECT_EQ(gpsTimeOf({2017, 1, 1, 0, 0, 0}).seconds, 18u);
}

TEST(Calendar, SecondsAddAcrossTheYear) {
  EXPECT_EQ(addSeconds({2026, 12, 31, 23, 59, 59}, 1), (DateTime{2027, 1, 1, 0, 0, 0}));
  EXPECT_EQ(secondsBetween({2028, 2, 28, 23, 0, 0}, {2028, 2, 29, 1, 0, 0}), 7200);
  EXPECT_NEAR(distanceKm(52.0626, 5.1385, 52.0626, 5.1385), 0, 1e-9);
  EXPECT_NEAR(distanceKm(0, 0, 0, 1), 111.19, 0.01);
}

TEST(HostReader, WakeReplyThenInitialisationInPieces) {
  HostReader reader(false);
  EXPECT_TRUE(reader.feed("EARTH").empty());
  const auto woken = reader.feed("A\r\n\x01");
  ASSERT_EQ(woken.size(), 1u);
  EXPECT_EQ(woken[0].kind, HostEvent::kWakeReply);
  const std::string init = encodedInit(0);
  EXPECT_TRUE(reader.feed(init.substr(0, 30)).empty());
  const auto events = reader.feed(init.substr(30));
  ASSERT_EQ(events.size(), 1u);
  ASSERT_EQ(events[0].kind, HostEvent::kInit);
  EXPECT_EQ(describe(*events[0].init), "init #1: 2026-12-07 03:30:15 UTC, 52.04 N 5.14 E");
}

TEST(HostReader, InvalidMessagesAreNamedAsSuch) {
  HostReader reader(true);
  std::string corrupt = encodedInit(4);
  corrupt[30] ^= 1;
  std::string otherId = encodedInit(0);
  otherId[2] = 0x01;
  const auto events = reader.feed(corrupt + "noise" + otherId);
  ASSERT_EQ(events.size(), 2u);
  EXPECT_EQ(events[0].text, "id 1200, 21 data words: bad data checksum");
  EXPECT_EQ(events[1].text, "id 1025, 21 data words: bad header checksum");
}

}  // namespace
}  // namespace vx::sim
