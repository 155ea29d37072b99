// SPDX-License-Identifier: MIT
#include "receive_buffer.h"

namespace vx {

void ReceiveBuffer::append(std::string_view bytes) {
  if (bytes.empty()) return;
  if (head_ > 0 && head_ * 2 >= data_.size()) {
    data_.erase(0, head_);
    head_ = 0;
  }
  data_.append(bytes);
}

void ReceiveBuffer::consume(std::size_t count) {
  head_ += count;
  consumedTotal_ += count;
  if (head_ == data_.size()) {
    data_.clear();
    head_ = 0;
  }
}

void ReceiveBuffer::clear() { consume(size()); }

}  // namespace vx
