// SPDX-License-Identifier: MIT
// A sentence being written, in a fixed array: writing one allocates
// nothing and appends without the bookkeeping of a growing string.
//
// The longest sentence the message words allow is under 100 characters,
// well inside the array. Text that would not fit is not cut short
// silently: the sentence reports that it does not fit, and is dropped.
#pragma once

#include <array>
#include <cstddef>
#include <cstring>
#include <string_view>

#include "common/number_text.h"

namespace vx {

class SentenceText {
 public:
  static constexpr std::size_t kCapacity = 256;

  void clear() {
    size_ = 0;
    fits_ = true;
  }

  void append(char c) {
    if (size_ == kCapacity) {
      fits_ = false;
      return;
    }
    text_[size_++] = c;
  }

  void append(std::string_view text) {
    if (text.size() > kCapacity - size_) {
      fits_ = false;
      return;
    }
    std::memcpy(text_.data() + size_, text.data(), text.size());
    size_ += text.size();
  }

  // appendFixed's text, written in place.
  void appendFixed(double value, int integerDigits, int decimals) {
    const std::size_t length = writeFixed(text_.data() + size_, kCapacity - size_, value, integerDigits, decimals);
    if (length == 0) fits_ = false;
    size_ += length;
  }

  // Drops the last `count` characters (count <= size).
  void removeLast(std::size_t count) { size_ -= count; }

  std::string_view view() const { return {text_.data(), size_}; }
  bool fits() const { return fits_; }

 private:
  std::array<char, kCapacity> text_;
  std::size_t size_ = 0;
  bool fits_ = true;
};

}  // namespace vx
