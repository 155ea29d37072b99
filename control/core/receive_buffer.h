// SPDX-License-Identifier: MIT
// The receive buffer: bytes received and not yet consumed.
//
// Consuming from the front only moves an offset. Appending copies the new
// bytes behind the others and nothing more while they fit; only when they
// do not are the unconsumed bytes moved to the front, or the storage
// doubled when they fill more than half of it. So a read of one byte costs
// a copy of one byte, taking a message off a long buffer costs the same as
// off a short one, and a burst of megabytes is cut up in linear time.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string_view>

namespace vx {

class ReceiveBuffer {
 public:
  void append(std::string_view bytes) {
    if (bytes.size() > capacity_ - end_) makeRoom(bytes.size());
    if (bytes.size() == 1) {
      storage_[end_] = bytes.front();  // the serial line's usual read, without a call
    } else if (!bytes.empty()) {
      std::memcpy(storage_.get() + end_, bytes.data(), bytes.size());
    }
    end_ += bytes.size();
  }

  void consume(std::size_t count) {  // count <= size()
    head_ += count;
    consumedTotal_ += count;
    if (head_ == end_) head_ = end_ = 0;
  }

  std::string_view view() const { return {storage_.get() + head_, size()}; }
  std::size_t size() const { return end_ - head_; }
  bool empty() const { return size() == 0; }
  unsigned char at(std::size_t index) const { return static_cast<unsigned char>(storage_[head_ + index]); }

  // Total bytes consumed over the buffer's life; tells whether a call made progress.
  uint64_t consumedTotal() const { return consumedTotal_; }

 private:
  // Room for `incoming` more bytes behind the unconsumed ones.
  void makeRoom(std::size_t incoming);

  std::unique_ptr<char[]> storage_;
  std::size_t capacity_ = 0;
  std::size_t head_ = 0;  // the first unconsumed byte
  std::size_t end_ = 0;   // behind the last
  uint64_t consumedTotal_ = 0;
};

}  // namespace vx
