// SPDX-License-Identifier: MIT
#include "control/core/receiver_link.h"

#include <cstring>
#include <utility>

#include "control/core/message_checksum.h"
#include "control/core/message_layout.h"
#include "control/core/sync_scan.h"

namespace vx {
namespace {

constexpr char kLineFeed = '\n';

// Headers whose id or length would not fit the signed 16-bit fields they
// are kept in are consumed and nothing more.
constexpr double kLargestMessageId = 32767;
constexpr double kLargestWordCount = 16382;

}  // namespace

ReceiverLink::ReceiverLink(LocalClock clock, ByteWriter writer)
    : clock_(std::move(clock)), writer_(std::move(writer)), wakeUp_(settings_, clock_, writer_) {}

bool ReceiverLink::receiveInSteps(std::string_view input, SentencesWaiting waiting) {
  for (;;) {
    const bool progressed = step(input);
    input = {};
    if (sentencesWaiting() && !waiting()) return false;
    if (!progressed) return true;
  }
}

void ReceiverLink::procinput(std::string_view input) {
  if (!input.empty()) {
    if (lineJustEnded_ && linkMode_ == kTextMode && buffer_.empty() &&
        static_cast<unsigned char>(input.front()) == kSyncFirstByte) {
      linkMode_ = kBinaryMode;
      wakeUp_.onBinaryAfterLine();
    }
    lineJustEnded_ = false;
  }
  buffer_.append(input);
  if (linkMode_ == kTextMode) {
    switch (findRunningReceiver()) {
      case HeaderSearch::kNone: lineStep(); return;
      case HeaderSearch::kIncomplete: return;
      case HeaderSearch::kFound: break;  // binary from here on: take the message now
    }
  }
  // A header is taken once an eleventh byte is behind it, a message once
  // the first byte after it has arrived; most small reads complete neither.
  if (framePhase_ == kHeaderExpected && buffer_.size() > kHeaderBytes) headerStep();
  if (framePhase_ == kDataExpected && buffer_.size() > dataLength_) dataStep();
}

// A receiver woken earlier (before this host started, say) sends binary
// without a line before it. A sync pair before the first line feed (or
// anywhere, without one) whose ten bytes form a header with a sound
// checksum is that: the bytes before it go, and binary mode begins with
// it, no line handled and no wake reply sent.
HeaderSearch::Result ReceiverLink::findRunningReceiver() {
  const std::string_view pending = buffer_.view();
  const HeaderSearch search = findSoundHeader(pending, pending.find(kLineFeed));
  if (search.result == HeaderSearch::kFound) {
    buffer_.consume(search.at);
    linkMode_ = kBinaryMode;
    framePhase_ = kHeaderExpected;
  }
  return search.result;
}

void ReceiverLink::reset() {
  linkMode_ = kTextMode;
  framePhase_ = kHeaderExpected;
  lineJustEnded_ = false;
  wakeUp_.reset();
  queue_.reset();
}

void ReceiverLink::lineStep() {
  const std::string_view pending = buffer_.view();
  const std::size_t lineFeed = pending.find(kLineFeed);
  if (lineFeed == std::string_view::npos) {
    // A device that never ends a line must not grow the buffer without bound.
    if (pending.size() > kLineLimit) buffer_.clear();
    return;
  }
  // The line ends with CR LF: drop the character before the LF as its CR.
  // An LF at the very start hands on an empty line.
  const std::string line(pending.substr(0, lineFeed == 0 ? 0 : lineFeed - 1));
  buffer_.consume(lineFeed + 1);
  if (buffer_.empty()) {
    lineJustEnded_ = true;
  } else if (buffer_.at(0) == kSyncFirstByte) {
    linkMode_ = kBinaryMode;  // the receiver has started sending binary messages
  }
  wakeUp_.onLine(line, linkMode_ == kBinaryMode);
}

void ReceiverLink::headerStep() {
  if (buffer_.at(0) != kSyncFirstByte) {
    resynchronise();
    return;
  }
  // A header whose words do not sum to zero is none: its first byte goes.
  if (!headerChecksumHolds(buffer_.view().substr(0, kHeaderBytes))) {
    buffer_.consume(1);
    resynchronise();
    return;
  }
  header_.assign(buffer_.view().substr(0, kHeaderBytes));
  buffer_.consume(kHeaderBytes);
  const double id = messageWord(header_, header_words::kId);
  const double wordCount = messageWord(header_, header_words::kDataWordCount);
  if (id > kLargestMessageId || wordCount > kLargestWordCount) return;
  messageId_ = static_cast<int>(id);
  if (wordCount == 0) {
    dataLength_ = 0;  // a header-only message: consumed and dropped
    return;
  }
  dataLength_ = 2 * (static_cast<std::size_t>(wordCount) + 1);  // data words and checksum
  framePhase_ = kDataExpected;
}

void ReceiverLink::resynchronise() {
  const std::string_view pending = buffer_.view();
  const std::size_t sync = findSyncPair(pending);
  if (sync != std::string_view::npos) {
    buffer_.consume(sync);
  } else if (pending.size() > kResyncLimit) {
    // Keep a final 0xFF: it may be the first half of the pair.
    buffer_.consume(pending.size() - (pending.back() == static_cast<char>(kSyncFirstByte) ? 1 : 0));
  }
}

void ReceiverLink::dataStep() {
  message_.assign(header_);
  message_.append(buffer_.view().substr(0, dataLength_));
  buffer_.consume(dataLength_);
  framePhase_ = kHeaderExpected;
  // A message not followed by a sync byte, or whose data checksum does not
  // hold, is dropped on its own; the bytes after it stay, and
  // resynchronisation finds the next header.
  if (buffer_.at(0) != kSyncFirstByte) return;
  if (!dataChecksumHolds(message_)) return;
  wakeUp_.onMessageAccepted();
  handleMessage(message_);
}

void ReceiverLink::handleMessage(std::string_view message) {
  switch (messageId_) {
    case kPositionMessageId:
      if (writePositionSentence(sentence_, message)) addmsg(sentence_.view());
      break;
    case kChannelMessageId:
      if (writeChannelSentence(sentence_, message, dilutions_)) addmsg(sentence_.view());
      if (readChannelReport(channels_, message) && settings_.satellitesInView) addSatelliteSentences();
      break;
    case kPrecisionMessageId:
      if (auto dilutions = precisionFromMessage(message)) dilutions_ = *dilutions;
      skyView_ = skyViewFromMessage(message);
      break;
    default:
      break;  // messages the control does not handle are ignored
  }
}

void ReceiverLink::addSatelliteSentences() {
  const ChannelSatellites inView = channelSatellites(channels_);
  const int sentences = satelliteSentenceCount(inView);
  for (int number = 1; number <= sentences; ++number) {
    if (writeSatelliteSentence(sentence_, inView, skyView_, number)) addmsg(sentence_.view());
  }
}

}  // namespace vx
