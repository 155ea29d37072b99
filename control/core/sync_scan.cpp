// SPDX-License-Identifier: MIT
#include "control/core/sync_scan.h"

#include <algorithm>
#include <cstring>

#include "control/core/message_checksum.h"
#include "control/core/message_layout.h"

namespace vx {

std::size_t findSyncPair(std::string_view bytes, std::size_t from) {
  const char* const begin = bytes.data();
  const char* const end = begin + bytes.size();
  for (const char* p = begin + std::min(from, bytes.size()); p + 1 < end; ++p) {
    p = static_cast<const char*>(std::memchr(p, kSyncFirstByte, static_cast<std::size_t>(end - p - 1)));
    if (p == nullptr) break;
    if (static_cast<unsigned char>(p[1]) == kSyncSecondByte) return static_cast<std::size_t>(p - begin);
  }
  return std::string_view::npos;
}

HeaderSearch findSoundHeader(std::string_view bytes, std::size_t searchEnd) {
  const std::string_view searched = bytes.substr(0, searchEnd);
  for (std::size_t at = findSyncPair(searched); at != std::string_view::npos; at = findSyncPair(searched, at + 1)) {
    if (bytes.size() - at < kHeaderBytes) return {HeaderSearch::kIncomplete, at};
    if (headerChecksumHolds(bytes.substr(at, kHeaderBytes))) return {HeaderSearch::kFound, at};
  }
  return {};
}

}  // namespace vx
