// SPDX-License-Identifier: MIT
// The receive buffer: bytes received and not yet consumed.
//
// Consuming from the front only moves an offset; the storage is compacted
// when the consumed part is at least half of it. So taking a message off a
// long buffer costs the same as off a short one, and a burst of megabytes
// is cut up in linear time.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace vx {

class ReceiveBuffer {
 public:
  void append(std::string_view bytes);
  void consume(std::size_t count);  // count <= size()
  void clear();

  std::string_view view() const { return std::string_view(data_).substr(head_); }
  std::size_t size() const { return data_.size() - head_; }
  bool empty() const { return size() == 0; }
  unsigned char at(std::size_t index) const { return static_cast<unsigned char>(data_[head_ + index]); }

  // Total bytes consumed over the buffer's life; tells whether a call made progress.
  uint64_t consumedTotal() const { return consumedTotal_; }

 private:
  std::string data_;
  std::size_t head_ = 0;
  uint64_t consumedTotal_ = 0;
};

}  // namespace vx
