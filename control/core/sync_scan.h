// SPDX-License-Identifier: MIT
// Finding the receiver's binary messages in a run of bytes: the sync pair
// 0xFF 0x81 that begins each, and a sync pair whose ten header bytes carry
// a sound checksum, which is how a receiver already talking binary is
// known. Shared by the receive path and by whoever listens to a device
// before writing to it.
#pragma once

#include <cstddef>
#include <string_view>

namespace vx {

// A message header: five 16-bit words, the sync word first.
inline constexpr std::size_t kHeaderBytes = 10;

// Position of the first sync pair in `bytes` at or after `from`, or npos.
std::size_t findSyncPair(std::string_view bytes, std::size_t from = 0);

struct HeaderSearch {
  enum Result { kNone, kIncomplete, kFound };
  Result result = kNone;
  std::size_t at = std::string_view::npos;  // where the sync pair of kFound or kIncomplete begins
};

// The first sync pair lying before `searchEnd` whose header, read from
// `bytes`, has a sound checksum; kIncomplete where a sync pair before any
// sound header still lacks some of its ten bytes.
HeaderSearch findSoundHeader(std::string_view bytes, std::size_t searchEnd = std::string_view::npos);

}  // namespace vx
