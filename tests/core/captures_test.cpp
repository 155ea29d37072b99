// SPDX-License-Identifier: MIT
// The receive path against real recordings of receivers of this family.
#include <gtest/gtest.h>

#include "captures.h"
#include "codecs.h"
#include "transcript.h"

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
