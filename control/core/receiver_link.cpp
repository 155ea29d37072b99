// SPDX-License-Identifier: MIT
#include "control/core/receiver_link.h"

#include <utility>

#include "control/core/message_checksum.h"
#include "control/core/message_layout.h"
#include "control/core/sync_scan.h"

namespace vx {
namespace {

constexpr char kLineFeed = '\n';

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

bool ReceiverLink::step(std::string_view input) {
  const uint64_t consumedBefore = buffer_.consumedTotal();
  if (!input.empty()) noteBinaryAfterLine(input);
  buffer_.append(input);
  takeNext();
  return buffer_.consumedTotal() != consumedBefore;
}

void ReceiverLink::takeNext() {
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

void ReceiverLink::noteBinaryAfterLine(std::string_view input) {
  if (lineJustEnded_ && linkMode_ == kTextMode && buffer_.empty() &&
      static_cast<unsigned char>(input.front()) == kSyncFirstByte) {
    linkMode_ = kBinaryMode;
    wakeUp_.onBinaryAfterLine();
  }
  lineJustEnded_ = false;
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
    dropBytes(search.at);
    linkMode_ = kBinaryMode;
    framePhase_ = kHeaderExpected;
  } else if (search.result == HeaderSearch::kIncomplete && pending.size() > kLineLimit) {
    // Text with no line end, bounded as lineStep bounds it, though each
    // read ends in what may start a header.
    dropBytes(search.at);
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
    if (pending.size() > kLineLimit) dropBytes(pending.size());
    return;
  }
  // The line ends with CR LF: drop the character before the LF as its CR.
  // An LF at the very start hands on an empty line.
  const std::string line(pending.substr(0, lineFeed == 0 ? 0 : lineFeed - 1));
  buffer_.consume(lineFeed + 1);
  ++counts_.lines;
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
    ++counts_.damagedMessages;
    buffer_.consume(1);
    resynchronise();
    return;
  }
  header_.assign(buffer_.view().substr(0, kHeaderBytes));
  buffer_.consume(kHeaderBytes);
  const uint16_t id = messageWord(header_, header_words::kId);
  const uint16_t wordCount = messageWord(header_, header_words::kDataWordCount);
  if (id > kLargestMessageId || wordCount > kLargestWordCount) {
    ++counts_.damagedMessages;  // the header goes, and nothing more
    return;
  }
  messageId_ = id;
  if (wordCount == 0) {
    dataLength_ = 0;  // a header-only message: consumed and dropped
    return;
  }
  dataLength_ = 2 * (std::size_t{wordCount} + 1);  // data words and checksum
  framePhase_ = kDataExpected;
}

void ReceiverLink::resynchronise() {
  const std::string_view pending = buffer_.view();
  const std::size_t sync = findSyncPair(pending);
  if (sync != std::string_view::npos) {
    dropBytes(sync);
  } else if (pending.size() > kResyncLimit) {
    // Keep a final 0xFF: it may be the first half of the pair.
    dropBytes(pending.size() - (pending.back() == static_cast<char>(kSyncFirstByte) ? 1 : 0));
  }
}

void ReceiverLink::dropBytes(std::size_t count) {
  buffer_.consume(count);
  counts_.droppedBytes += count;
}

void ReceiverLink::dataStep() {
  message_.assign(header_);
  message_.append(buffer_.view().substr(0, dataLength_));
  buffer_.consume(dataLength_);
  framePhase_ = kHeaderExpected;
  // A message not followed by a sync byte, or whose data checksum does not
  // hold, is dropped on its own; the bytes after it stay, and
  // resynchronisation finds the next header.
  if (buffer_.at(0) != kSyncFirstByte || !dataChecksumHolds(message_)) {
    ++counts_.damagedMessages;
    return;
  }
  ++counts_.messages;
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
