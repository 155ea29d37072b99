// SPDX-License-Identifier: MIT
// The sentence queue: finished sentences waiting for the host, in order.
//
// 99 slots used in rotation (slot numbers 1 to 99), a write and a read
// position, and no count: the queue is empty exactly when both positions are
// equal, so at most 98 sentences wait. When 98 wait and one more is added,
// the oldest is dropped, so the newest 98 stay, in order.
//
// Each slot keeps its storage: once every slot has held a sentence, adding
// and taking allocate nothing.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace vx {

class SentenceQueue {
 public:
  static constexpr int kFirstSlot = 1;
  static constexpr int kLastSlot = 99;
  static constexpr int kCapacity = kLastSlot - kFirstSlot;  // 98 waiting at most

  void add(std::string_view sentence);  // addmsg
  // getmsg: "" when empty. The text stays valid until the next add.
  std::string_view take();
  bool empty() const { return write_ == read_; }
  int waiting() const;

  // Both positions back to the first slot; waiting sentences are dropped.
  void reset();

  int writePosition() const { return write_; }
  int readPosition() const { return read_; }

 private:
  static int16_t next(int16_t position) { return position == kLastSlot ? kFirstSlot : position + 1; }

  std::array<std::string, kLastSlot + 2> slots_;  // slots 0 and 100 stay empty
  int16_t write_ = kFirstSlot;
  int16_t read_ = kFirstSlot;
};

}  // namespace vx
