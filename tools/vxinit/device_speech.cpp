// SPDX-License-Identifier: MIT
#include "tools/vxinit/device_speech.h"

#include "control/core/sync_scan.h"
#include "control/core/wake_up.h"

namespace vx {
namespace {

bool isNmeaLine(std::string_view line) {
  // "$GPGGA," "$GNRMC," "!AIVDM,": a talker and sentence name, then a comma.
  if (line.size() < 7 || (line[0] != '$' && line[0] != '!') || line[6] != ',') return false;
  for (const char c : line.substr(1, 5)) {
    if (!((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'))) return false;
  }
  return true;
}

std::string printable(std::string_view line) {
  std::string out;
  for (const char c : line.substr(0, 40)) out += (c >= ' ' && c <= '~') ? c : '?';
  return out;
}

}  // namespace

Speech SpeechListener::hear(std::string_view bytes) {
  if (verdict_ != Speech::kUndecided) return verdict_;
  heard_.append(bytes);
  verdict_ = judgeLines();
  if (verdict_ == Speech::kUndecided && holdsSoundHeader()) verdict_ = Speech::kAwake;
  if (verdict_ == Speech::kUndecided && heard_.size() > kMostUnknownBytes) {
    verdict_ = Speech::kForeign;
    foreignWhat_ = "bytes that are neither its start-up text nor its messages";
  }
  return verdict_;
}

// Whole lines only: the first may be the tail of one sent before the port
// opened, so a line is foreign only when it is unmistakably another
// device's NMEA text.
Speech SpeechListener::judgeLines() {
  for (std::size_t end = heard_.find('\n', judgedUpTo_); end != std::string::npos;
       end = heard_.find('\n', judgedUpTo_)) {
    std::string_view line(heard_.data() + judgedUpTo_, end - judgedUpTo_);
    judgedUpTo_ = end + 1;
    if (line.ends_with('\r')) line.remove_suffix(1);
    if (isStartUpLine(line)) return Speech::kAsleep;
    const std::size_t start = line.find_first_of("$!");
    if (start == std::string_view::npos) continue;
    line.remove_prefix(start);
    if (isNmeaLine(line)) {
      foreignWhat_ = "NMEA text (" + printable(line) + ")";
      return Speech::kForeign;
    }
  }
  return Speech::kUndecided;
}

// A sync pair whose header's checksum holds, as the receiver's do.
bool SpeechListener::holdsSoundHeader() const { return findSoundHeader(heard_).result == HeaderSearch::kFound; }

const char* describe(Speech speech) {
  switch (speech) {
    case Speech::kAsleep: return "a receiver of this family, waiting to be woken";
    case Speech::kAwake: return "a receiver of this family, already awake";
    case Speech::kForeign: return "another device";
    case Speech::kUndecided: break;
  }
  return "nothing yet";
}

}  // namespace vx
