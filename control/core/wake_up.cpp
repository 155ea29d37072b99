// SPDX-License-Identifier: MIT
#include "control/core/wake_up.h"

#include <limits>

#include "common/number_text.h"

namespace vx {

bool isStartUpLine(std::string_view line) { return line.find("EARTHA") != std::string_view::npos; }

void WakeUp::onLine(std::string_view line, bool binaryMode) {
  if (isStartUpLine(line) && lineCount_ < std::numeric_limits<int16_t>::max()) {
    ++lineCount_;
  }
  lastLineReplied_ = lineCount_ > 2 && state_ == kNotWoken;
  if (lastLineReplied_) {
    writer_(kReply);
    state_ = kReplied;
    fillTemplate();
    return;
  }
  // The line just handled was the last before the receiver's first binary byte.
  if (binaryMode && state_ == kReplied) sendInit();
}

void WakeUp::onBinaryAfterLine() {
  if (!lastLineReplied_ && state_ == kReplied) sendInit();
}

void WakeUp::onMessageAccepted() {
  if (state_ == kReplied) sendInit();
}

void WakeUp::reset() {
  state_ = kNotWoken;
  lastLineReplied_ = false;
  lineCount_ = 0;
  template_.reset();
}

void WakeUp::fillTemplate() {
  const DateTime utc = utcForReceiver(clock_(), settings_.timeZone, settings_.clockOffsetWhenTimeZoneSet);
  double latitude = leadingNumber(settings_.latitude);
  if (settings_.latHemisphere == "S") latitude = -latitude;
  double longitude = settings_.longitude;
  if (settings_.longHemisphere == "W") longitude = -longitude;
  template_.fill(utc, positionWord(latitude), positionWord(longitude));
}

void WakeUp::sendInit() {
  writer_(template_.encode(sequence_));
  state_ = kInitialised;
}

}  // namespace vx
