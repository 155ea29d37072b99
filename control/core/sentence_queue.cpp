// SPDX-License-Identifier: MIT
#include "control/core/sentence_queue.h"

namespace vx {

void SentenceQueue::add(std::string_view sentence) {
  slots_[write_].assign(sentence);
  write_ = next(write_);
  if (write_ == read_) {
    // The queue came full circle: drop the oldest rather than every waiting one.
    slots_[read_].clear();
    read_ = next(read_);
  }
}

std::string_view SentenceQueue::take() {
  if (empty()) return {};
  const std::string_view sentence = slots_[read_];
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
