// SPDX-License-Identifier: MIT
// Arbitrary and mutated input through the receive path: no crash, no
// undefined behaviour (this runs under the sanitizers in CI) and a buffer
// that stays bounded.
#include <gtest/gtest.h>

#include <random>

#include "control/core/receiver_link.h"
#include "tests/support/captures.h"

namespace vx {
namespace {

class Feeder {
 public:
  explicit Feeder(uint32_t seed) : random_(seed) {}

  std::size_t feed(ReceiverLink& link, std::string_view bytes) {
    std::size_t chunks = 0;
    for (std::size_t at = 0; at < bytes.size(); ++chunks) {
      const auto size = static_cast<std::size_t>(between(1, chance(0.02) ? 4096 : 64));
      link.receive(bytes.substr(at, size), [&] {
        if (chance(0.5)) link.getmsg();
        return true;
      });
      EXPECT_LE(link.bufferedBytes(), ReceiverLink::kLargestBuffer);
      at += size;
    }
    return chunks;
  }

  std::string randomBytes(std::size_t length) {
    std::string out(length, '\0');
    for (char& c : out) c = static_cast<char>(chance(0.05) ? '\xFF' : between(0, 255));
    return out;
  }

  std::string mutate(std::string bytes) {
    const int edits = between(1, 40);
    for (int i = 0; i < edits && !bytes.empty(); ++i) {
      const auto at = static_cast<std::size_t>(between(0, static_cast<int>(bytes.size()) - 1));
      switch (between(0, 3)) {
        case 0: bytes[at] = static_cast<char>(between(0, 255)); break;
        case 1: bytes.erase(at, static_cast<std::size_t>(between(1, 16))); break;
        case 2: bytes.insert(at, randomBytes(static_cast<std::size_t>(between(1, 16)))); break;
        default: bytes.insert(at, bytes.substr(at, 12)); break;  // a duplicated header
      }
    }
    return bytes;
  }

  bool chance(double p) { return std::bernoulli_distribution(p)(random_); }

 private:
  int between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
  std::mt19937 random_;
};

ReceiverLink makeLink() {
  return ReceiverLink([] { return DateTime{2026, 12, 31, 23, 59, 59}; }, [](std::string_view) {});
}

TEST(ReceiveRobustness, ArbitraryBytesNeverBreakTheLink) {
  Feeder feeder(7);
  std::size_t chunks = 0;
  for (int run = 0; run < 60; ++run) {
    ReceiverLink link = makeLink();
    if (feeder.chance(0.5)) link.assumeAwake();
    chunks += feeder.feed(link, feeder.randomBytes(200000));
  }
  EXPECT_GT(chunks, 100000u);
}

TEST(ReceiveRobustness, MutatedRecordingsNeverBreakTheLink) {
  const auto fix = test::loadCapture("fix-utrecht.bin");
  const auto wakeup = test::loadCapture("wakeup.bin");
  if (!fix || !wakeup) GTEST_SKIP() << "recordings not found in " << test::capturesDirectory();
  Feeder feeder(11);
  std::size_t chunks = 0;
  for (int run = 0; run < 1500; ++run) {
    ReceiverLink link = makeLink();
    const bool awake = run % 2 == 0;
    if (awake) link.assumeAwake();
    chunks += feeder.feed(link, feeder.mutate(awake ? *fix : *wakeup + *fix));
    if (feeder.chance(0.2)) link.reset();
  }
  EXPECT_GT(chunks, 100000u);
}

}  // namespace
}  // namespace vx
