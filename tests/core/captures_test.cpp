// SPDX-License-Identifier: MIT
// The receive path against real recordings of receivers of this family.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <regex>

#include "control/core/codecs.h"
#include "tests/support/captures.h"
#include "tests/support/transcript.h"

namespace vx {
namespace {

// Walks a recording by its headers, independently of the link: the ids of
// the messages of kind 1000 or 1002 that a sync byte follows.
std::vector<int> handledMessagesFollowedBySync(std::string_view bytes) {
  std::vector<int> ids;
  std::size_t at = bytes.find("\xFF\x81");
  while (at != std::string_view::npos && at + 10 <= bytes.size()) {
    const int id = static_cast<int>(codec::cvui(bytes.substr(at + 2, 2)));
    const auto words = static_cast<std::size_t>(codec::cvui(bytes.substr(at + 4, 2)));
    const std::size_t next = at + 10 + (words == 0 ? 0 : 2 * (words + 1));
    if (next < bytes.size() && bytes[next] == '\xFF' && (id == 1000 || id == 1002)) ids.push_back(id);
    at = next < bytes.size() ? next : std::string_view::npos;
  }
  return ids;
}

// However the recordings are cut into reads, the transcript is the same:
// see read_size_property_test.cpp, which cuts them with the random streams.
TEST(FixRecording, EveryPositionAndChannelMessageBecomesASentence) {
  VX_LOAD_CAPTURE_OR_SKIP(recording, "fix-utrecht.bin");
  const auto expected = handledMessagesFollowedBySync(recording);
  ASSERT_GE(expected.size(), 40u);
  const test::Transcript whole = test::transcriptOf(recording, 0, /*awake=*/true);
  ASSERT_EQ(whole.size(), expected.size());
  for (std::size_t i = 0; i < whole.size(); ++i) {
    EXPECT_TRUE(whole[i].starts_with(expected[i] == 1000 ? "$GPRMC," : "$GPGSA,A,3,")) << whole[i];
  }
}

TEST(FixRecording, SentencesCarryTheRecordedFixNearUtrecht) {
  VX_LOAD_CAPTURE_OR_SKIP(recording, "fix-utrecht.bin");
  const test::Transcript sentences = test::transcriptOf(recording, 64, true);
  ASSERT_FALSE(sentences.empty());
  const std::string& first = sentences.front();
  EXPECT_TRUE(first.starts_with("$GPRMC,204219,A,5203.")) << first;
  EXPECT_NE(first.find(",N,00508."), std::string::npos) << first;
  EXPECT_NE(first.find(",130605,"), std::string::npos) << first;
  // The recording holds no message 1003: the precision fields read 0.00.
  for (const auto& sentence : sentences) {
    if (sentence.starts_with("$GPGSA")) {
      EXPECT_NE(sentence.find(",0.00,0.00,0.00*"), std::string::npos) << sentence;
    }
  }
}

// The recording's channels as a host with SatellitesInView reads them. It
// ends with a line feed from the log it was cut from; a sync byte in its
// place, as the receiver's next message would bring, lets the last through.
TEST(FixRecording, SatellitesInViewCarryTheRecordedChannelsAndLeaveTheRestAsItWas) {
  VX_LOAD_CAPTURE_OR_SKIP(recorded, "fix-utrecht.bin");
  const std::string recording = recorded.substr(0, recorded.size() - (recorded.ends_with('\n') ? 1 : 0)) + "\xFF";
  struct Row {
    int channel, satellite;
    bool used;
    std::pair<int, int> signal;  // lowest and highest C/No
  };
  const Row table[] = {{0, 1, false, {0, 24}},  {1, 5, true, {50, 50}},  {2, 4, true, {44, 45}},
                       {3, 14, true, {44, 45}}, {4, 2, false, {0, 0}},   {5, 7, true, {39, 40}},
                       {6, 30, true, {46, 47}}, {7, 18, false, {33, 35}}, {8, 24, true, {35, 37}},
                       {9, 9, true, {50, 51}},  {11, 22, true, {41, 42}}};
  test::Recorder recorder;
  recorder.link().assumeAwake();
  recorder.link().settings().satellitesInView = true;
  recorder.feed(recording, 0);
  static const std::regex kSatellite(R"(,(\d\d),,,(\d\d)(?=[,*]))");  // no elevation or azimuth without 1003
  std::map<int, std::pair<int, int>> signals;
  std::vector<int> order;  // of the last group
  int groups = 0;
  for (const std::string& sentence : recorder.sentences()) {
    if (!sentence.starts_with("$GPGSV")) continue;
    ASSERT_TRUE(sentence.starts_with("$GPGSV,3,") && sentence.substr(10, 4) == ",11,") << sentence;
    if (sentence[9] == '1') ++groups, order.clear();
    for (std::sregex_iterator it(sentence.begin(), sentence.end(), kSatellite), end; it != end; ++it) {
      const int satellite = std::stoi((*it)[1]), snr = std::stoi((*it)[2]);
      order.push_back(satellite);
      auto& [lowest, highest] = signals.try_emplace(satellite, snr, snr).first->second;
      lowest = std::min(lowest, snr), highest = std::max(highest, snr);
    }
  }
  EXPECT_EQ(groups, 21);
  ASSERT_EQ(order.size(), std::size(table));
  std::vector<int> used;
  for (std::size_t i = 0; i < std::size(table); ++i) {
    const Row& row = table[i];
    EXPECT_EQ(order[i], row.satellite) << "channel " << row.channel;
    EXPECT_EQ(signals[row.satellite], row.signal) << "satellite " << row.satellite;
    if (row.used) used.push_back(row.satellite);
  }
  // The last $GPGSA lists the satellites used, in the order of their channels.
  const auto sentences = recorder.sentences();
  const auto lastGsa = std::find_if(sentences.rbegin(), sentences.rend(),
                                    [](const std::string& s) { return s.starts_with("$GPGSA"); });
  ASSERT_NE(lastGsa, sentences.rend());
  std::vector<int> listed;
  static const std::regex kUsed(R"(,(\d\d)(?=,))");
  for (std::sregex_iterator it(lastGsa->begin(), lastGsa->end(), kUsed), end; it != end; ++it) {
    listed.push_back(std::stoi((*it)[1]));
  }
  EXPECT_EQ(listed, used);
  // Without them the stream is as it was; with them, the same with each group behind its $GPGSA.
  const test::Transcript off = test::transcriptOf(recording, 0, true);
  test::Transcript on = recorder.transcript();
  std::erase_if(on, [](const std::string& s) { return s.starts_with("$GPGSV"); });
  EXPECT_EQ(on, off);
}

TEST(WakeupRecording, ReplyOnTheThirdLineAndInitWhenBinaryBegins) {
  VX_LOAD_CAPTURE_OR_SKIP(recording, "wakeup.bin");
  const test::Transcript whole = test::transcriptOf(recording, 0);
  ASSERT_GE(whole.size(), 3u);
  EXPECT_EQ(whole[0], "TX 45 41 52 54 48 41 0D 0A");
  EXPECT_TRUE(whole[1].starts_with("TX FF 81 B0 04 15 00 00 00 3C 79 01 00")) << whole[1];
  for (std::size_t i = 2; i < whole.size(); ++i) EXPECT_FALSE(whole[i].starts_with("TX")) << whole[i];
}

TEST(WakeupRecording, ReplyGoesOutWhileTheThirdLineIsHandled) {
  VX_LOAD_CAPTURE_OR_SKIP(recording, "wakeup.bin");
  test::Recorder recorder;
  std::size_t lineFeeds = 0;
  for (char byte : recording) {
    recorder.receive(std::string_view(&byte, 1));
    if (byte == '\n' && ++lineFeeds <= 3) {
      EXPECT_EQ(recorder.writes().size(), lineFeeds == 3 ? 1u : 0u) << "after line " << lineFeeds;
    }
  }
  EXPECT_EQ(recorder.writes().size(), 2u);
  EXPECT_FALSE(recorder.sentences().empty());
}

}  // namespace
}  // namespace vx
