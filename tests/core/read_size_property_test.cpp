// SPDX-License-Identifier: MIT
// Property: the same bytes give the same sentences and writes, in the same
// order, however the input is cut into reads.
#include <gtest/gtest.h>

#include <random>

#include "control/core/message_builder.h"
#include "tests/support/captures.h"
#include "tests/support/transcript.h"

namespace vx {
namespace {

class StreamGenerator {
 public:
  explicit StreamGenerator(uint32_t seed) : random_(seed) {}

  // Text lines first (the receiver's start-up text and noise, every line
  // ended by CR LF), or none, as from a receiver already running; then
  // binary messages with short junk between them, some damaged by one bit,
  // some one word short of what their sentence reads.
  std::string stream() {
    std::string out;
    const int lines = chance(0.2) ? 0 : between(1, 6);
    for (int i = 0; i < lines; ++i) out += chance(0.6) ? std::string("EARTHA") + text(0, 12) + "\r\n" : text(0, 40) + "\r\n";
    const int messages = between(0, 30);
    for (int i = 0; i < messages; ++i) {
      out += message();
      if (chance(0.15)) out += junk(between(1, 20));
    }
    return out;
  }

  std::vector<std::size_t> cuts(std::size_t total) {
    std::vector<std::size_t> sizes;
    const int largest = between(1, 200);
    for (std::size_t used = 0; used < total;) {
      sizes.push_back(static_cast<std::size_t>(between(1, largest)));
      used += sizes.back();
    }
    return sizes;
  }

 private:
  int between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
  bool chance(double p) { return std::bernoulli_distribution(p)(random_); }

  std::string text(int low, int high) {
    std::string out(static_cast<std::size_t>(between(low, high)), ' ');
    for (char& c : out) c = static_cast<char>(between(0x20, 0x7E));
    return out;
  }

  std::string junk(int length) {
    std::string out(static_cast<std::size_t>(length), '\0');
    for (char& c : out) c = static_cast<char>(between(0, 255));
    return out;
  }

  std::string message() {
    static constexpr uint16_t kIds[] = {1000, 1002, 1003, 1000, 1002, 1108, 1200, 7};
    const uint16_t id = kIds[between(0, 7)];
    const int sentLength = id == 1000 ? 49 : id == 1002 ? 45 : id == 1003 ? 7 : 4;
    const int readLength = id == 1000 ? 32 : id == 1002 ? 44 : id == 1003 ? 7 : 4;
    const double kind = std::uniform_real_distribution<double>(0, 1)(random_);
    const int length = kind < 0.8 ? sentLength : kind < 0.9 ? readLength - 1 : between(0, 60);
    std::vector<uint16_t> words(static_cast<std::size_t>(length));
    for (auto& word : words) word = static_cast<uint16_t>(chance(0.1) ? 0x0A0A : between(0, 65535));
    std::string message = buildMessage(id, words);
    if (chance(0.1)) {
      char& damaged = message[static_cast<std::size_t>(between(0, static_cast<int>(message.size()) - 1))];
      damaged = static_cast<char>(damaged ^ (1 << between(0, 7)));
    }
    return message;
  }

  std::mt19937 random_;
};

test::Transcript transcriptWithCuts(std::string_view bytes, const std::vector<std::size_t>& cuts) {
  test::Recorder recorder;
  std::size_t at = 0;
  for (std::size_t size : cuts) {
    recorder.receive(bytes.substr(at, size));
    at += size;
  }
  return recorder.transcript();
}

// The real recordings, cut at every read size from one byte up and at random,
// with the satellites in view and without.
TEST(ReadSizeIndependence, RecordingsGiveTheSameTranscriptForAnyCuts) {
  struct Recording {
    const char* name;
    bool awake;  // a recording that starts with the receiver already talking binary
  };
  int read = 0;
  for (const Recording& recording : {Recording{"wakeup.bin", false}, Recording{"fix-utrecht.bin", true}}) {
    const auto bytes = test::loadCapture(recording.name);
    if (!bytes) continue;
    ++read;
    for (bool satellites : {false, true}) {
      const test::Transcript whole = test::transcriptOf(*bytes, 0, recording.awake, satellites);
      for (std::size_t chunk : {1u, 2u, 7u, 64u, 500u}) {
        EXPECT_EQ(test::transcriptOf(*bytes, chunk, recording.awake, satellites), whole)
            << recording.name << ", chunk " << chunk << (satellites ? ", satellites in view" : "");
      }
    }
  }
  if (read == 0) GTEST_SKIP() << "no recording found in " << test::capturesDirectory();
}

TEST(ReadSizeIndependence, RandomStreamsGiveTheSameTranscriptForAnyCuts) {
  std::size_t sentences = 0;
  for (uint32_t seed = 1; seed <= 400; ++seed) {
    StreamGenerator generator(seed);
    const std::string bytes = generator.stream();
    const test::Transcript whole = test::transcriptOf(bytes, 0);
    sentences += whole.size();
    ASSERT_EQ(test::transcriptOf(bytes, 1), whole) << "seed " << seed << ", one byte per read";
    for (int round = 0; round < 3; ++round) {
      ASSERT_EQ(transcriptWithCuts(bytes, generator.cuts(bytes.size())), whole)
          << "seed " << seed << ", round " << round;
    }
  }
  EXPECT_GT(sentences, 1500u);  // the streams exercised the binary path, not only text
}

}  // namespace
}  // namespace vx
