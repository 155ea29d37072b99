// SPDX-License-Identifier: MIT
#include "control/core/sentence_queue.h"

#include <gtest/gtest.h>

#include <string>

namespace vx {
namespace {

TEST(SentenceQueue, SentencesComeOutInOrderThenEmptyText) {
  SentenceQueue queue;
  EXPECT_EQ(queue.take(), "");
  queue.add("A");
  queue.add("B");
  EXPECT_EQ(queue.waiting(), 2);
  EXPECT_EQ(queue.take(), "A");
  EXPECT_EQ(queue.take(), "B");
  EXPECT_EQ(queue.take(), "");
  EXPECT_TRUE(queue.empty());
}

TEST(SentenceQueue, SlotNinetyNineIsFollowedBySlotOne) {
  SentenceQueue queue;
  for (int i = 0; i < 98; ++i) {
    queue.add("x");
    queue.take();
  }
  EXPECT_EQ(queue.writePosition(), 99);
  queue.add("99");
  EXPECT_EQ(queue.writePosition(), 1);
  queue.add("1");
  EXPECT_EQ(queue.take(), "99");
  EXPECT_EQ(queue.take(), "1");
  EXPECT_EQ(queue.take(), "");
}

TEST(SentenceQueue, WhenFullTheOldestIsDroppedAndTheNewest98Stay) {
  SentenceQueue queue;
  for (int i = 0; i < 98; ++i) queue.add(std::to_string(i));
  EXPECT_EQ(queue.waiting(), 98);
  queue.add("98");
  queue.add("99");
  EXPECT_EQ(queue.waiting(), 98);
  for (int i = 2; i < 100; ++i) EXPECT_EQ(queue.take(), std::to_string(i));
  EXPECT_EQ(queue.take(), "");
}

TEST(SentenceQueue, ResetDropsWaitingSentences) {
  SentenceQueue queue;
  queue.add("A");
  queue.add("B");
  queue.take();
  queue.reset();
  EXPECT_EQ(queue.take(), "");
  EXPECT_EQ(queue.readPosition(), 1);
  queue.add("C");
  EXPECT_EQ(queue.take(), "C");
}

}  // namespace
}  // namespace vx
