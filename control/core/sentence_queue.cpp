// SPDX-License-Identifier: MIT
#include "sentence_queue.h"

#include <utility>

namespace vx {

void SentenceQueue::add(std::string sentence) {
  slots_[write_] = std::move(sentence);
  write_ = next(write_);
  if (write_ == read_) {
    // The queue came full circle: drop the oldest rather than every waiting one.
    slots_[read_].clear();
    read_ = next(read_);
  }
}

std::string SentenceQueue::take() {
  if (empty()) return {};
  std::string sentence = std::exchange(slots_[read_], std::string());
  read_ = next(read_);
  return sentence;
}

int SentenceQueue::waiting() const {
  const int span = write_ - read_;
  return span >= 0 ? span : span + (kLastSlot - kFirstSlot + 1);
}

void SentenceQueue::reset() {
  write_ = kFirstSlot;
  read_ = kFirstSlot;
}

}  // namespace vx
