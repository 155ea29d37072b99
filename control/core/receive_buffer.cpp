// SPDX-License-Identifier: MIT
#include "control/core/receive_buffer.h"

#include <algorithm>

namespace vx {

void ReceiveBuffer::makeRoom(std::size_t incoming) {
  const std::size_t needed = size() + incoming;
  if (needed <= capacity_ / 2) {
    // Moving the unconsumed bytes to the front leaves at least half free:
    // a move of n bytes buys room for n more, so moves cost linear time.
    std::memmove(storage_.get(), storage_.get() + head_, size());
  } else {
    const std::size_t capacity = std::max<std::size_t>({needed, capacity_ * 2, 4096});
    auto storage = std::make_unique_for_overwrite<char[]>(capacity);
    if (!empty()) std::memcpy(storage.get(), storage_.get() + head_, size());
    storage_ = std::move(storage);
    capacity_ = capacity;
  }
  end_ = size();
  head_ = 0;
}

}  // namespace vx
