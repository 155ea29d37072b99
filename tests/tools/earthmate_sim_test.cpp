// SPDX-License-Identifier: MIT
// The simulated receiver's model and its reading of what the host sends.
#include <gtest/gtest.h>

#include "fix_model.h"
#include "host_reader.h"
#include "init_message.h"
#include "nmea_sentences.h"

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
  EXPECT_GE(satellites, 6) << gsa;
  EXPECT_LE(satellites, 9) << gsa;
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
